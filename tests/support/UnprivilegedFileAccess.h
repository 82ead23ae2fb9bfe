#pragma once
// Files that cannot be read, whoever runs the tests. Root reads every file whatever its mode,
// so while this object lives the file permission checks of the calling thread are made as an
// unprivileged user when the tests run as root (the tree is handed to that user first, so that
// everything else in it stays usable). Outside root it does nothing: the tests' own user is
// unprivileged already, and a file of mode 000 cannot be read.

#include <filesystem>

class UnprivilegedFileAccess {
public:
    explicit UnprivilegedFileAccess(const std::filesystem::path& tree);
    ~UnprivilegedFileAccess();
    UnprivilegedFileAccess(const UnprivilegedFileAccess&) = delete;
    UnprivilegedFileAccess& operator=(const UnprivilegedFileAccess&) = delete;

    // Makes the file unreadable (mode 000).
    static void MakeUnreadable(const std::filesystem::path& file);

private:
    bool m_switched = false;
};
