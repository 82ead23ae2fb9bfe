#pragma once
// A logged-in connection to an FTP server, made by CInternetSession::GetFtpConnection. It has
// a current directory, the log-in directory at first: names are relative to it unless they
// start with "/" (or "\").

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/inet/InternetTypes.h"

#include <memory>

class CInternetFile;
class CInternetSession;
class FtpControl;

class CFtpConnection : public CObject {
    DECLARE_DYNAMIC(CFtpConnection)
public:
    CFtpConnection(CInternetSession* pSession, LPCTSTR pstrServer, LPCTSTR pstrUserName,
                   LPCTSTR pstrPassword, INTERNET_PORT nPort);
    ~CFtpConnection() override;

    // Opens a remote file. For reading, the file is fetched at once (a missing one throws);
    // for writing, the connection and the file's directory are checked at once (a missing
    // directory throws) and the file is sent whole when it is closed. Binary transfers only.
    // The caller deletes the file; the connection must outlive it.
    CInternetFile* OpenFile(LPCTSTR pstrFileName, DWORD dwAccess = GENERIC_READ,
                            DWORD dwFlags = FTP_TRANSFER_TYPE_BINARY, DWORD_PTR dwContext = 1);
    // Makes a remote directory (one level); FALSE when the server refuses (also when it is
    // there already).
    BOOL CreateDirectory(LPCTSTR pstrDirName);
    // Makes the directory current; FALSE (and the current one kept) when there is none.
    BOOL SetCurrentDirectory(LPCTSTR pstrDirName);
    // Sends a local file, in binary, to the remote name, replacing a file there; FALSE when
    // the local file cannot be read or the server refuses or the transfer fails.
    BOOL PutFile(LPCTSTR pstrLocalFile, LPCTSTR pstrRemoteFile,
                 DWORD dwFlags = FTP_TRANSFER_TYPE_BINARY, DWORD_PTR dwContext = 1);
    // Deletes a remote file; FALSE when the server refuses.
    BOOL Remove(LPCTSTR pstrFileName);
    virtual void Close();

    CString GetServerName() const;
    CInternetSession* GetSession() const { return m_pSession; }

    // Logs in; throws CInternetException on failure.
    void LogIn();

private:
    // The name taken from the current directory.
    CString Resolve(LPCTSTR pstrName) const;

    CInternetSession* m_pSession;
    std::shared_ptr<FtpControl> m_control;
    CString m_current;
};
