#pragma once
// An HTTP request and its answer, made by CHttpConnection::OpenRequest: headers are added,
// the request is sent, then its status is read and its body read as a file is, in pieces or
// line by line, as it arrives.

#include "platform/inet/CInternetFile.h"
#include "platform/inet/HttpTransfer.h"

#include <memory>

class CHttpFile : public CInternetFile {
    DECLARE_DYNAMIC(CHttpFile)
public:
    CHttpFile(HttpTransfer::Request request, CString objectName, DWORD_PTR dwContext);
    ~CHttpFile() override;

    // Adds header lines ("Name: value", several separated by "\r\n"); with
    // HTTP_ADDREQ_FLAG_ADD_IF_NEW, a line whose name the request has already (in any case)
    // is left out. dwHeadersLen of -1 takes the text to its end.
    BOOL AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW,
                           int dwHeadersLen = -1);
    // Sends the request with further header lines and waits for the answer's headers;
    // throws CInternetException when no answer comes (the server cannot be reached, the
    // connection breaks, ...).
    BOOL SendRequest(LPCTSTR pstrHeaders = nullptr, DWORD dwHeadersLen = 0);
    // The answer's status code; FALSE before the request was sent.
    BOOL QueryInfoStatusCode(DWORD& dwStatusCode) const;
    // What the answer says at that level: HTTP_QUERY_LOCATION, its Location header. FALSE
    // before the request was sent, for another level, and when the answer has no such header.
    BOOL QueryInfo(DWORD dwInfoLevel, CString& str) const;

    CString GetObject() const { return m_objectName; }
    CString GetVerb() const { return "GET"; }

    // The body, as it arrives; a transfer that breaks off throws CInternetException when the
    // reading reaches the break. Reading before SendRequest throws CFileException.
    UINT Read(void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetLength() const override;
    void Close() override;
    void Abort() override;

private:
    void AddHeaderLines(const CString& text, DWORD dwFlags);
    bool HasHeader(const std::string& name) const;

    HttpTransfer::Request m_request;
    CString m_objectName;
    DWORD_PTR m_dwContext;
    std::unique_ptr<HttpTransfer> m_transfer;
};
