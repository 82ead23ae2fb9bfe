#pragma once
// The lock file beside a database ("<file>.lock"). Every open holds byte 0 of it shared, an
// exclusive open holds it exclusively, so an exclusive open is refused while another open
// exists and every open is refused while an exclusive one exists. Each open also holds one
// byte of its own, named by its session id, so any program can ask whether the session that
// wrote something is still running. Locks are open-file-description locks: they belong to the
// open, are independent between opens of the same process and vanish when a process dies.

#include <cstdint>
#include <string>

class DaoFileLock {
public:
    DaoFileLock() = default;
    ~DaoFileLock();
    DaoFileLock(const DaoFileLock&) = delete;
    DaoFileLock& operator=(const DaoFileLock&) = delete;

    // Takes the locks for an open of the database at dbPath; raises 3045 (exclusive asked,
    // others have the file) or 3356 (another open holds it exclusively).
    void Acquire(const std::string& dbPath, bool exclusive);
    void Release();

    // The id of this open's session: a positive number no running session holds; 0 when the
    // lock file could not be made (read-only folder), where sessions cannot be told apart.
    int32_t sessionId() const { return m_sessionId; }
    // True when a session of that id holds its lock on this database, this open's included.
    bool IsSessionAlive(int32_t sessionId) const;

    static std::string LockPathFor(const std::string& dbPath);

private:
    bool TryLock(int64_t offset, short type) const;
    bool IsLockedByOthers(int64_t offset) const;
    void TakeSessionId();

    int m_fd = -1;
    bool m_writable = false;
    int32_t m_sessionId = 0;
};
