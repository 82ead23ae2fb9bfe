#include "platform/inet/CInternetFile.h"

#include "platform/inet/CInternetException.h"
#include "platform/inet/FtpControl.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CInternetFile, CFile)

CInternetFile::CInternetFile(std::shared_ptr<FtpControl> control, const CString& path,
                             std::string content, BOOL bWrite)
    : m_control(std::move(control)), m_content(std::move(content)), m_bWrite(bWrite) {
    m_strFileName = path;
}

CInternetFile::CInternetFile(const CString& name) : m_bWrite(FALSE) {
    m_strFileName = name;
}

CInternetFile::~CInternetFile() {
    if (!m_bOpen)
        return;
    try {
        Finish();
    } catch (CException* e) {
        e->Delete();
    }
}

void CInternetFile::CheckOpen() const {
    if (!m_bOpen)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
}

BOOL CInternetFile::ReadString(CString& rString) {
    std::string line;
    bool any = false;
    char c;
    while (Read(&c, 1) == 1) {
        any = true;
        if (c == '\n')
            break;
        line += c;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    rString = CString(line.data(), static_cast<int>(line.size()));
    return any;
}

UINT CInternetFile::Read(void* lpBuf, UINT nCount) {
    CheckOpen();
    if (m_bWrite)
        AfxThrowFileException(CFileException::accessDenied, -1, m_strFileName);
    size_t n = std::min<size_t>(nCount, m_content.size() - std::min(m_position, m_content.size()));
    std::memcpy(lpBuf, m_content.data() + m_position, n);
    m_position += n;
    return static_cast<UINT>(n);
}

void CInternetFile::Write(const void* lpBuf, UINT nCount) {
    CheckOpen();
    if (!m_bWrite)
        AfxThrowFileException(CFileException::accessDenied, -1, m_strFileName);
    m_content.append(static_cast<const char*>(lpBuf), nCount);
    m_position = m_content.size();
}

LONG CInternetFile::Seek(LONG lOff, UINT nFrom) {
    CheckOpen();
    LONG base = nFrom == begin     ? 0
                : nFrom == current ? static_cast<LONG>(m_position)
                                   : static_cast<LONG>(m_content.size());
    if (m_bWrite || base + lOff < 0)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_position = static_cast<size_t>(base + lOff);
    return static_cast<LONG>(m_position);
}

DWORD CInternetFile::GetPosition() const {
    CheckOpen();
    return static_cast<DWORD>(m_position);
}

DWORD CInternetFile::GetLength() const {
    CheckOpen();
    return static_cast<DWORD>(m_content.size());
}

void CInternetFile::SetLength(DWORD) {
    AfxThrowFileException(CFileException::accessDenied, -1, m_strFileName);
}

void CInternetFile::Flush() {}

void CInternetFile::Close() {
    Finish();
}

void CInternetFile::Finish() {
    if (!m_bOpen)
        return;
    m_bOpen = FALSE;
    std::string content;
    content.swap(m_content);
    if (m_bWrite)
        m_control->Store(m_strFileName, content);
}

void CInternetFile::Abort() {
    m_bOpen = FALSE;
    m_content.clear();
}
