#pragma once
// A connection to an HTTP server, made by CInternetSession::GetHttpConnection. Nothing goes
// over the network until a request made here is sent.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/inet/InternetTypes.h"

class CHttpFile;
class CInternetSession;

class CHttpConnection : public CObject {
    DECLARE_DYNAMIC(CHttpConnection)
public:
    // The verbs of a request; only GET requests are made.
    enum { HTTP_VERB_POST = 0, HTTP_VERB_GET = 1 };

    // `pstrServer` is "host" or "host:port"; a port in it wins over nPort, and port 80 stands
    // for none. Credentials, when given, are sent with every request.
    CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort,
                    LPCTSTR pstrUserName = nullptr, LPCTSTR pstrPassword = nullptr);
    ~CHttpConnection() override;

    // A request for the object (its path and query, sent as given; blanks and bytes outside
    // printable ASCII are escaped). A referrer and accept types, when given, become the
    // request's headers; the version is always HTTP/1.1. INTERNET_FLAG_RELOAD asks caches on
    // the way for a fresh answer; INTERNET_FLAG_NO_AUTO_REDIRECT leaves redirections unfollowed;
    // INTERNET_FLAG_SECURE sends the request over TLS. The session's timeouts and status
    // callback hold for the request.
    // Throws CInternetException for a verb other than GET. The caller deletes the request.
    CHttpFile* OpenRequest(int nVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer = nullptr,
                           DWORD_PTR dwContext = 1, LPCTSTR* ppstrAcceptTypes = nullptr,
                           LPCTSTR pstrVersion = nullptr,
                           DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT);
    virtual void Close();

    CString GetServerName() const { return m_host; }
    INTERNET_PORT GetPort() const { return m_port; }
    CInternetSession* GetSession() const { return m_pSession; }

private:
    CInternetSession* m_pSession;
    CString m_host;
    INTERNET_PORT m_port;
    CString m_user;
    CString m_password;
};
