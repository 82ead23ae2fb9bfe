#include "platform/inet/CHttpConnection.h"

#include "platform/inet/CHttpFile.h"
#include "platform/inet/CInternetException.h"
#include "platform/inet/CInternetSession.h"
#include "platform/inet/ServerAddress.h"

#include <curl/curl.h>

IMPLEMENT_DYNAMIC(CHttpConnection, CObject)

namespace {

// The object as it goes on the request line: from "/", with the bytes that cannot stand there
// escaped.
std::string RequestTarget(const CString& object) {
    static const char hex[] = "0123456789ABCDEF";
    std::string target = object.str();
    if (target.empty() || target[0] != '/')
        target.insert(0, 1, '/');
    std::string escaped;
    for (unsigned char c : target) {
        if (c <= 0x20 || c >= 0x7F) {
            escaped += '%';
            escaped += hex[c >> 4];
            escaped += hex[c & 0x0F];
        } else {
            escaped += static_cast<char>(c);
        }
    }
    return escaped;
}

} // namespace

CHttpConnection::CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer,
                                 INTERNET_PORT nPort, LPCTSTR pstrUserName, LPCTSTR pstrPassword)
    : m_pSession(pSession), m_user(pstrUserName != nullptr ? pstrUserName : ""),
      m_password(pstrPassword != nullptr ? pstrPassword : "") {
    SplitServerAddress(pstrServer != nullptr ? pstrServer : "",
                       nPort != INTERNET_INVALID_PORT_NUMBER ? nPort : INTERNET_DEFAULT_HTTP_PORT,
                       m_host, m_port);
}

CHttpConnection::~CHttpConnection() {
    Close();
}

CHttpFile* CHttpConnection::OpenRequest(int nVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer,
                                        DWORD_PTR dwContext, LPCTSTR* ppstrAcceptTypes, LPCTSTR,
                                        DWORD dwFlags) {
    if (nVerb != HTTP_VERB_GET)
        AfxThrowInternetException(dwContext, CURLE_UNSUPPORTED_PROTOCOL,
                                  "Only GET requests are made.");
    CString object = pstrObjectName != nullptr ? pstrObjectName : "";
    HttpTransfer::Request request;
    std::string scheme = (dwFlags & INTERNET_FLAG_SECURE) ? "https://" : "http://";
    request.url = scheme + m_host.str() + ":" + std::to_string(m_port) + RequestTarget(object);
    request.agent = m_pSession != nullptr ? m_pSession->GetAgent() : CString();
    if (m_pSession != nullptr) {
        request.connectTimeoutMs = static_cast<long>(m_pSession->GetConnectTimeout());
        request.receiveTimeoutMs = static_cast<long>(m_pSession->GetReceiveTimeout());
        if (m_pSession->IsStatusCallbackEnabled()) {
            CInternetSession* session = m_pSession;
            request.onProgress = [session, dwContext] {
                session->OnStatusCallback(dwContext, INTERNET_STATUS_RECEIVING_RESPONSE, nullptr,
                                          0);
            };
        }
    }
    request.user = m_user;
    request.password = m_password;
    request.followRedirects = !(dwFlags & INTERNET_FLAG_NO_AUTO_REDIRECT);
    if (pstrReferer != nullptr && *pstrReferer != '\0')
        request.headers.push_back(std::string("Referer: ") + pstrReferer);
    if (ppstrAcceptTypes != nullptr && *ppstrAcceptTypes != nullptr) {
        std::string accept = "Accept: ";
        for (LPCTSTR* type = ppstrAcceptTypes; *type != nullptr; ++type)
            accept += (type == ppstrAcceptTypes ? "" : ", ") + std::string(*type);
        request.headers.push_back(accept);
    }
    if (dwFlags & INTERNET_FLAG_RELOAD) {
        request.headers.push_back("Cache-Control: no-cache");
        request.headers.push_back("Pragma: no-cache");
    }
    return new CHttpFile(std::move(request), object, dwContext);
}

void CHttpConnection::Close() {}
