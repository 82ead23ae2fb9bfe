#include "platform/dao/DaoFileLock.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

// Byte 0 is the open lock; session n holds byte kSessionBase + n.
constexpr int64_t kOpenByte = 0;
constexpr int64_t kSessionBase = 1024;

struct flock MakeLock(int64_t offset, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = offset;
    lock.l_len = 1;
    lock.l_pid = 0;
    return lock;
}

} // namespace

DaoFileLock::~DaoFileLock() {
    Release();
}

std::string DaoFileLock::LockPathFor(const std::string& dbPath) {
    return dbPath + ".lock";
}

void DaoFileLock::Acquire(const std::string& dbPath, bool exclusive) {
    Release();
    std::string lockPath = LockPathFor(dbPath);
    m_fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    m_writable = m_fd >= 0;
    if (m_fd < 0)
        m_fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return; // no lock file can be had (read-only folder): open without exclusion
    if (exclusive && !m_writable) {
        Release();
        CDaoException::Throw(daoErrCannotOpen,
                             "Cannot open '" + CString(dbPath) +
                                 "' exclusively: its lock file cannot be written.");
    }
    if (!TryLock(kOpenByte, exclusive ? F_WRLCK : F_RDLCK)) {
        Release();
        if (exclusive)
            CDaoException::Throw(daoErrFileInUse,
                                 "Cannot open '" + CString(dbPath) +
                                     "' exclusively: another program has it open.");
        CDaoException::Throw(daoErrOpenedExclusively,
                             "Cannot open '" + CString(dbPath) +
                                 "': another program has it open exclusively.");
    }
    TakeSessionId();
}

void DaoFileLock::Release() {
    if (m_fd >= 0)
        ::close(m_fd); // closing the descriptor drops every lock it holds
    m_fd = -1;
    m_writable = false;
    m_sessionId = 0;
}

bool DaoFileLock::IsSessionAlive(int32_t sessionId) const {
    if (sessionId <= 0)
        return false;
    if (sessionId == m_sessionId)
        return true;
    return m_fd >= 0 && IsLockedByOthers(kSessionBase + sessionId);
}

bool DaoFileLock::TryLock(int64_t offset, short type) const {
    struct flock lock = MakeLock(offset, type);
    while (::fcntl(m_fd, F_OFD_SETLK, &lock) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool DaoFileLock::IsLockedByOthers(int64_t offset) const {
    struct flock lock = MakeLock(offset, F_WRLCK);
    if (::fcntl(m_fd, F_OFD_GETLK, &lock) != 0)
        return false;
    return lock.l_type != F_UNLCK;
}

// Random ids are not reused by later sessions in practice, so a claim left by a dead session is
// never taken for one of a new session. The byte is held exclusively where the lock file can be
// written, so two sessions never share an id; the generator is seeded afresh for each open, since
// a forked process would otherwise draw its parent's next numbers.
void DaoFileLock::TakeSessionId() {
    std::random_device entropy;
    std::mt19937 generator(entropy() ^ static_cast<unsigned>(::getpid()));
    std::uniform_int_distribution<int32_t> ids(1, INT32_MAX - 1);
    for (int attempt = 0; attempt < 64; ++attempt) {
        int32_t id = ids(generator);
        if (IsLockedByOthers(kSessionBase + id))
            continue;
        if (TryLock(kSessionBase + id, m_writable ? F_WRLCK : F_RDLCK)) {
            m_sessionId = id;
            return;
        }
    }
}
