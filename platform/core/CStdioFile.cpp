#include "platform/core/CStdioFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

// The C stream mode of the original's open flags; appending when writing without truncating.
const char* StreamMode(UINT flags, bool* append) {
    bool create = flags & CFile::modeCreate;
    bool readWrite = flags & CFile::modeReadWrite;
    bool write = flags & CFile::modeWrite;
    *append = (create && (flags & CFile::modeNoTruncate)) || (!create && write);
    if (*append)
        return readWrite ? "a+" : "a";
    if (create)
        return readWrite ? "w+" : "w";
    return readWrite ? "r+" : "r";
}

} // namespace

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) {
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile() {
    if (m_pStream && m_bCloseOnDelete)
        Abort();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    Abort();
    bool append = false;
    const char* mode = StreamMode(nOpenFlags, &append);
    if (!OpenDescriptor(lpszFileName, nOpenFlags, append ? O_APPEND : 0, pError))
        return FALSE;
    m_pStream = ::fdopen(m_hFile, mode);
    if (!m_pStream) {
        int error = errno;
        CFile::Abort();
        if (pError) {
            pError->m_cause = CFileException::ErrnoToException(error);
            pError->m_lOsError = error;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_bText = !(nOpenFlags & typeBinary);
    return TRUE;
}

BOOL CStdioFile::ReadString(CString& rString) {
    CheckStream();
    char* line = nullptr;
    size_t capacity = 0;
    ssize_t length = ::getline(&line, &capacity, m_pStream);
    if (length < 0) {
        std::free(line);
        if (std::ferror(m_pStream))
            ThrowStreamError();
        rString.Empty();
        return FALSE;
    }
    if (length > 0 && line[length - 1] == '\n')
        --length;
    if (m_bText && length > 0 && line[length - 1] == '\r')
        --length;
    rString = CString(line, static_cast<int>(length));
    std::free(line);
    return TRUE;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax) {
    CheckStream();
    if (nMax == 0)
        return nullptr;
    if (!std::fgets(lpsz, static_cast<int>(nMax), m_pStream)) {
        if (std::ferror(m_pStream))
            ThrowStreamError();
        return nullptr;
    }
    size_t length = std::strlen(lpsz);
    if (m_bText && length >= 2 && lpsz[length - 2] == '\r' && lpsz[length - 1] == '\n') {
        lpsz[length - 2] = '\n';
        lpsz[length - 1] = '\0';
    }
    return lpsz;
}

void CStdioFile::WriteString(LPCTSTR lpsz) {
    CheckStream();
    if (std::fputs(lpsz, m_pStream) == EOF)
        ThrowStreamError();
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
    CheckStream();
    size_t n = std::fread(lpBuf, 1, nCount, m_pStream);
    if (n < nCount && std::ferror(m_pStream))
        ThrowStreamError();
    return static_cast<UINT>(n);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
    CheckStream();
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        ThrowStreamError();
}

LONG CStdioFile::Seek(LONG lOff, UINT nFrom) {
    CheckStream();
    static const int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFileName);
    if (std::fseek(m_pStream, lOff, whence[nFrom]) != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<LONG>(std::ftell(m_pStream));
}

DWORD CStdioFile::GetPosition() const {
    CheckStream();
    long position = std::ftell(m_pStream);
    if (position < 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<DWORD>(position);
}

DWORD CStdioFile::GetLength() const {
    CheckStream();
    if (std::fflush(m_pStream) != 0)
        ThrowStreamError();
    return CFile::GetLength();
}

void CStdioFile::SetLength(DWORD dwNewLen) {
    CheckStream();
    if (std::fflush(m_pStream) != 0)
        ThrowStreamError();
    CFile::SetLength(dwNewLen);
}

void CStdioFile::Flush() {
    if (m_pStream && std::fflush(m_pStream) != 0)
        ThrowStreamError();
}

void CStdioFile::Close() {
    if (!m_pStream) {
        CFile::Close();
        return;
    }
    int result = std::fclose(m_pStream);
    int error = errno;
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (result != 0)
        CFileException::ThrowErrno(error, name);
}

void CStdioFile::Abort() {
    if (m_pStream) {
        std::fclose(m_pStream);
        m_pStream = nullptr;
        m_hFile = hFileNull;
    }
    CFile::Abort();
}

void CStdioFile::CheckStream() const {
    if (!m_pStream)
        AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
}

void CStdioFile::ThrowStreamError() const {
    CFileException::ThrowErrno(errno ? errno : EIO, m_strFileName);
}
