#include "platform/inet/CInternetSession.h"

#include "platform/inet/CFtpConnection.h"
#include "platform/inet/CHttpConnection.h"

IMPLEMENT_DYNAMIC(CInternetSession, CObject)

CInternetSession::CInternetSession(LPCTSTR pstrAgent, DWORD_PTR dwContext, DWORD, LPCTSTR, LPCTSTR,
                                   DWORD)
    : m_strAgent(pstrAgent != nullptr ? pstrAgent : "Marquill"), m_dwContext(dwContext) {}

CInternetSession::~CInternetSession() {
    Close();
}

CFtpConnection* CInternetSession::GetFtpConnection(LPCTSTR pstrServer, LPCTSTR pstrUserName,
                                                   LPCTSTR pstrPassword, INTERNET_PORT nPort,
                                                   BOOL) {
    auto* connection =
        new CFtpConnection(this, pstrServer, pstrUserName != nullptr ? pstrUserName : "anonymous",
                           pstrPassword != nullptr ? pstrPassword : "", nPort);
    try {
        connection->LogIn();
    } catch (...) {
        delete connection;
        throw;
    }
    return connection;
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR pstrServer, INTERNET_PORT nPort,
                                                     LPCTSTR pstrUserName, LPCTSTR pstrPassword) {
    return new CHttpConnection(this, pstrServer, nPort, pstrUserName, pstrPassword);
}

void CInternetSession::Close() {}

BOOL CInternetSession::SetOption(DWORD dwOption, DWORD dwValue) {
    if (dwOption == INTERNET_OPTION_CONNECT_TIMEOUT)
        m_dwConnectTimeout = dwValue;
    else if (dwOption == INTERNET_OPTION_RECEIVE_TIMEOUT)
        m_dwReceiveTimeout = dwValue;
    else
        return FALSE;
    return TRUE;
}

BOOL CInternetSession::EnableStatusCallback(BOOL bEnable) {
    m_bStatusCallback = bEnable;
    return TRUE;
}

void CInternetSession::OnStatusCallback(DWORD_PTR, DWORD, LPVOID, DWORD) {}
