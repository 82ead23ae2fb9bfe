#pragma once
// Where one file of a site is, or goes: a local path, or a path on an FTP site with the
// server's address and log-in, and the connection while one is open. Generation, preview and
// publishing open their files through it; every failure is shown in a message box.

#include "platform/core/CFile.h"
#include "platform/core/CString.h"

class CFtpConnection;
class CInternetSession;

class QZFileDestination {
public:
    QZFileDestination() = default;
    // A local file.
    explicit QZFileDestination(const CString& path);
    // A file on an FTP site ("host" or "host:port").
    QZFileDestination(const CString& path, const CString& host, const CString& user,
                      const CString& password);
    // Closes a connection still open.
    ~QZFileDestination();
    QZFileDestination(const QZFileDestination& other);
    QZFileDestination& operator=(const QZFileDestination& other);

    // Opens the connection of an FTP destination; on failure ("Cannot open internet
    // session", "Cannot open ftp session") there is none.
    void ConnectFtp();
    // Closes the connection and its session.
    void DisconnectFtp();

    // The file opened for reading, or null after "Cannot open remote file for reading" or
    // "Cannot open local file for reading". An FTP file is read on its own connection.
    CFile* OpenForReading();
    // The file created for writing (an existing one is emptied), or null after "Cannot open
    // remote file for writing" or "Cannot open local file for writing". On an FTP site the
    // missing directories of the path are made first; the file is sent when it is closed.
    CFile* OpenForWriting();
    // TRUE when a file is at the path (asked without a message).
    BOOL Exists();
    // Deletes the file, quietly.
    void Remove();

    // Copies one file in blocks of 1024 bytes. 1 on success; 0 after a message box (a failed
    // transfer included).
    static int CopyDestinationFile(QZFileDestination& source, QZFileDestination& target);

    const CString& GetPath() const { return m_strPath; }
    // Another file of the same site; an open connection stays.
    void SetPath(const CString& path) { m_strPath = path; }
    BOOL IsFtp() const { return m_nFtp; }
    CFtpConnection* GetConnection() const { return m_pConnection; }

private:
    // Makes each missing directory of the path on the FTP site, from the top down.
    void MakeRemoteDirectories();
    // Opens the file on the connection, quietly; null when it cannot.
    CFile* OpenRemote(DWORD access);

    CString m_strUser;
    CString m_strPassword;
    CString m_strHost;
    CString m_strPath;
    BOOL m_nFtp = FALSE;
    CInternetSession* m_pSession = nullptr;
    CFtpConnection* m_pConnection = nullptr;
};

// Closes a file and frees it. FALSE, with the failure logged nowhere, when closing failed
// (for a file sent to an FTP site: the transfer failed); the text of the failure in `error`.
BOOL CloseDestinationFile(CFile* file, CString* error = nullptr);
