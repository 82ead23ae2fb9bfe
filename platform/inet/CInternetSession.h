#pragma once
// An internet session: the agent and access settings under which connections to servers are
// made. It makes the FTP and HTTP connections; the caller owns and closes each. Proxies are
// those the transfer library's environment variables name (http_proxy, no_proxy, ...).

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/inet/InternetTypes.h"

class CFtpConnection;
class CHttpConnection;

class CInternetSession : public CObject {
    DECLARE_DYNAMIC(CInternetSession)
public:
    // Only the system's configured access is supported: no proxy of the session's own.
    explicit CInternetSession(LPCTSTR pstrAgent = nullptr, DWORD_PTR dwContext = 1,
                              DWORD dwAccessType = PRE_CONFIG_INTERNET_ACCESS,
                              LPCTSTR pstrProxyName = nullptr, LPCTSTR pstrProxyBypass = nullptr,
                              DWORD dwFlags = 0);
    ~CInternetSession() override;

    // Connects and logs in to an FTP server ("host" or "host:port"; port 21 unless given);
    // throws CInternetException when the server cannot be reached or refuses the log-in. Only
    // active data connections are made, whatever bPassive asks.
    CFtpConnection* GetFtpConnection(LPCTSTR pstrServer, LPCTSTR pstrUserName = nullptr,
                                     LPCTSTR pstrPassword = nullptr,
                                     INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                     BOOL bPassive = FALSE);
    // A connection to an HTTP server ("host" or "host:port"; port 80 unless given). Nothing is
    // sent until a request is; credentials, when given, go with every request.
    CHttpConnection* GetHttpConnection(LPCTSTR pstrServer,
                                       INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                       LPCTSTR pstrUserName = nullptr,
                                       LPCTSTR pstrPassword = nullptr);
    virtual void Close();

    // Sets INTERNET_OPTION_CONNECT_TIMEOUT or INTERNET_OPTION_RECEIVE_TIMEOUT (milliseconds,
    // 0 for the default of 30 seconds) for the requests made from now on; FALSE for another
    // option.
    BOOL SetOption(DWORD dwOption, DWORD dwValue);
    DWORD GetConnectTimeout() const { return m_dwConnectTimeout; }
    DWORD GetReceiveTimeout() const { return m_dwReceiveTimeout; }
    // While enabled, OnStatusCallback is called again and again while a request of this
    // session waits for or reads its answer (at least about once a second).
    BOOL EnableStatusCallback(BOOL bEnable = TRUE);
    BOOL IsStatusCallbackEnabled() const { return m_bStatusCallback; }
    virtual void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus,
                                  LPVOID lpvStatusInformation, DWORD dwStatusInformationLength);

    DWORD_PTR GetContext() const { return m_dwContext; }
    const CString& GetAgent() const { return m_strAgent; }

private:
    CString m_strAgent;
    DWORD m_dwConnectTimeout = 0;
    DWORD m_dwReceiveTimeout = 0;
    BOOL m_bStatusCallback = FALSE;
    DWORD_PTR m_dwContext;
};
