#include "platform/inet/CHttpFile.h"

#include "platform/inet/CInternetException.h"

#include <strings.h>

IMPLEMENT_DYNAMIC(CHttpFile, CInternetFile)

CHttpFile::CHttpFile(HttpTransfer::Request request, CString objectName, DWORD_PTR dwContext)
    : CInternetFile(objectName), m_request(std::move(request)), m_objectName(std::move(objectName)),
      m_dwContext(dwContext) {}

CHttpFile::~CHttpFile() = default;

BOOL CHttpFile::AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags, int dwHeadersLen) {
    if (pstrHeaders == nullptr)
        return FALSE;
    CString text = dwHeadersLen < 0 ? CString(pstrHeaders) : CString(pstrHeaders, dwHeadersLen);
    AddHeaderLines(text, dwFlags);
    return TRUE;
}

BOOL CHttpFile::SendRequest(LPCTSTR pstrHeaders, DWORD dwHeadersLen) {
    if (pstrHeaders != nullptr)
        AddRequestHeaders(pstrHeaders, HTTP_ADDREQ_FLAG_ADD,
                          dwHeadersLen == 0 ? -1 : static_cast<int>(dwHeadersLen));
    m_transfer.reset();
    auto transfer = std::make_unique<HttpTransfer>(m_request, m_dwContext);
    transfer->Start();
    m_transfer = std::move(transfer);
    return TRUE;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& dwStatusCode) const {
    if (m_transfer == nullptr)
        return FALSE;
    dwStatusCode = m_transfer->GetStatusCode();
    return TRUE;
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, CString& str) const {
    if (m_transfer == nullptr || dwInfoLevel != HTTP_QUERY_LOCATION ||
        m_transfer->GetLocation().empty())
        return FALSE;
    str = m_transfer->GetLocation();
    return TRUE;
}

UINT CHttpFile::Read(void* lpBuf, UINT nCount) {
    if (m_transfer == nullptr)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    return static_cast<UINT>(m_transfer->Read(static_cast<char*>(lpBuf), nCount));
}

LONG CHttpFile::Seek(LONG, UINT) {
    AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
}

DWORD CHttpFile::GetLength() const {
    return 0;
}

void CHttpFile::Close() {
    m_transfer.reset();
    CInternetFile::Close();
}

void CHttpFile::Abort() {
    m_transfer.reset();
    CInternetFile::Abort();
}

void CHttpFile::AddHeaderLines(const CString& text, DWORD dwFlags) {
    std::string rest = text.str();
    while (!rest.empty()) {
        size_t end = rest.find('\n');
        std::string line = rest.substr(0, end);
        rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.find(':') == std::string::npos)
            continue;
        if ((dwFlags & HTTP_ADDREQ_FLAG_ADD_IF_NEW) && HasHeader(line.substr(0, line.find(':'))))
            continue;
        m_request.headers.push_back(line);
    }
}

bool CHttpFile::HasHeader(const std::string& name) const {
    for (const std::string& line : m_request.headers)
        if (strcasecmp(line.substr(0, line.find(':')).c_str(), name.c_str()) == 0)
            return true;
    return false;
}
