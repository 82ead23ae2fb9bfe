#include "platform/core/CFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

// The cause of a failed open, rename or removal: a missing file whose folder is missing too is a
// bad path.
int OpenFailureCause(const char* name, int error) {
    if (*name == '\0')
        return CFileException::badPath;
    if (error == ENOENT) {
        std::error_code ec;
        std::filesystem::path parent = std::filesystem::path(name).parent_path();
        if (!parent.empty() && !std::filesystem::is_directory(parent, ec))
            return CFileException::badPath;
    }
    return CFileException::ErrnoToException(error);
}

int AccessFlags(UINT nOpenFlags) {
    switch (nOpenFlags & 3) {
    case CFile::modeRead:
        return O_RDONLY;
    case CFile::modeWrite:
        return O_WRONLY;
    default:
        return O_RDWR;
    }
}

CString FullPath(const char* name) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(name, ec);
    return ec ? CString(name) : CString(full.lexically_normal().string());
}

} // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(int hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CFile() {
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() {
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    return OpenDescriptor(lpszFileName, nOpenFlags, 0, pError);
}

BOOL CFile::OpenDescriptor(LPCTSTR lpszFileName, UINT nOpenFlags, int extraFlags,
                           CFileException* pError) {
    Abort();
    const char* name = lpszFileName ? lpszFileName : "";
    int flags = AccessFlags(nOpenFlags) | O_CLOEXEC | extraFlags;
    if (nOpenFlags & modeCreate)
        flags |= O_CREAT | ((nOpenFlags & modeNoTruncate) ? 0 : O_TRUNC);
    int fd = *name ? ::open(name, flags, 0666) : -1;
    int error = *name ? errno : ENOENT;
    struct stat info;
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        fd = -1;
        error = EISDIR;
    }
    if (fd < 0) {
        if (pError) {
            pError->m_cause = OpenFailureCause(name, error);
            pError->m_lOsError = error;
            pError->m_strFileName = name;
        }
        return FALSE;
    }
    m_hFile = fd;
    m_bCloseOnDelete = TRUE;
    m_strFileName = FullPath(name);
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    CheckOpen();
    char* out = static_cast<char*>(lpBuf);
    UINT done = 0;
    while (done < nCount) {
        ssize_t n = ::read(m_hFile, out + done, nCount - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            CFileException::ThrowErrno(errno, m_strFileName);
        if (n == 0)
            break;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    CheckOpen();
    const char* in = static_cast<const char*>(lpBuf);
    UINT done = 0;
    while (done < nCount) {
        ssize_t n = ::write(m_hFile, in + done, nCount - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            CFileException::ThrowErrno(n < 0 ? errno : ENOSPC, m_strFileName);
        done += static_cast<UINT>(n);
    }
}

LONG CFile::Seek(LONG lOff, UINT nFrom) {
    CheckOpen();
    static const int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFileName);
    off_t position = ::lseek(m_hFile, lOff, whence[nFrom]);
    if (position < 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<LONG>(position);
}

DWORD CFile::GetPosition() const {
    CheckOpen();
    off_t position = ::lseek(m_hFile, 0, SEEK_CUR);
    if (position < 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<DWORD>(position);
}

DWORD CFile::GetLength() const {
    CheckOpen();
    struct stat info;
    if (::fstat(m_hFile, &info) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
    return static_cast<DWORD>(info.st_size);
}

void CFile::SetLength(DWORD dwNewLen) {
    CheckOpen();
    if (::ftruncate(m_hFile, static_cast<off_t>(dwNewLen)) != 0)
        CFileException::ThrowErrno(errno, m_strFileName);
}

void CFile::Flush() {
    if (m_hFile == hFileNull)
        return;
    if (::fsync(m_hFile) != 0 && errno != EINVAL && errno != EROFS)
        CFileException::ThrowErrno(errno, m_strFileName);
}

void CFile::Close() {
    if (m_hFile == hFileNull)
        return;
    int result = ::close(m_hFile);
    int error = errno;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (result != 0 && error != EINTR)
        CFileException::ThrowErrno(error, name);
}

void CFile::Abort() {
    if (m_hFile != hFileNull)
        ::close(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const {
    int slash = m_strFileName.ReverseFind('/');
    return slash < 0 ? m_strFileName : m_strFileName.Mid(slash + 1);
}

void CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(lpszNewName, ec)))
        AfxThrowFileException(CFileException::accessDenied, EEXIST, lpszOldName);
    if (::rename(lpszOldName, lpszNewName) != 0) {
        int error = errno;
        AfxThrowFileException(OpenFailureCause(lpszOldName, error), error, lpszOldName);
    }
}

void CFile::Remove(LPCTSTR lpszFileName) {
    if (::unlink(lpszFileName) != 0) {
        int error = errno;
        AfxThrowFileException(OpenFailureCause(lpszFileName, error), error, lpszFileName);
    }
}

void CFile::CheckOpen() const {
    if (m_hFile == hFileNull)
        AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
}
