#pragma once
// The per-user list of running program copies, in place of a search for the main window's
// class: each copy enters itself in a private folder ($XDG_RUNTIME_DIR/marquill, else
// marquill-<uid> in the temporary folder) as a lock file that it holds for its life and a local
// socket on which it answers "raise". A copy that died leaves a lock file nobody holds; its
// entry is removed when found.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <functional>
#include <memory>

class InstanceRegistry {
public:
    InstanceRegistry();
    ~InstanceRegistry();
    InstanceRegistry(const InstanceRegistry&) = delete;
    InstanceRegistry& operator=(const InstanceRegistry&) = delete;

    // The folder of the entries.
    static CString Folder();

    // Enters this copy; onRaise runs when another copy asks it to raise its window (while the
    // window system runs, its requests are taken at idle; PollRequests takes them at once).
    BOOL Register(std::function<void()> onRaise);
    // Removes this copy's entry.
    void Unregister();
    BOOL IsRegistered() const;
    // TRUE when another live copy is registered; it has been sent "raise". Entries of dead
    // copies are removed on the way.
    BOOL RaiseOther();
    // Answers the requests waiting on this copy's socket; the number taken.
    int PollRequests();

private:
    struct Entry;
    std::unique_ptr<Entry> m_entry;
};
