#pragma once
// One FTP control connection, as the transfer library keeps it: the server, the log-in and the
// library's handle, which holds the connection open between requests. Every request is one
// call; a failure throws CInternetException with the library's error number and text. Data
// connections are active (the server connects back) and binary.

#include "platform/core/CString.h"
#include "platform/inet/InternetTypes.h"

#include <cstdio>
#include <string>

class FtpControl {
public:
    // `server` is "host" or "host:port"; a port in it wins over `port`, and 21 stands for none.
    FtpControl(const CString& server, INTERNET_PORT port, const CString& user,
               const CString& password, DWORD_PTR context);
    ~FtpControl();
    FtpControl(const FtpControl&) = delete;
    FtpControl& operator=(const FtpControl&) = delete;

    // Logs in (and nothing more).
    void LogIn();
    // Changes into the directory (relative to the log-in directory, or absolute).
    void CheckDirectory(const CString& directory);
    // The whole remote file.
    std::string Retrieve(const CString& path);
    // Writes the remote file whole, replacing one that is there.
    void Store(const CString& path, const std::string& data);
    // Writes the remote file from an open local file, read to its end.
    void Store(const CString& path, std::FILE* source);
    // Sends one command after logging in ("MKD /a/b", "DELE /x"). The server's current
    // directory at that moment is wherever the last request left it: give absolute paths.
    void Command(const CString& command);
    // The path from the server's root: a relative path is taken from the log-in directory;
    // backslashes become slashes.
    CString Absolute(const CString& path) const;
    // Ends the control connection.
    void Close();

    const CString& GetServer() const { return m_host; }
    INTERNET_PORT GetPort() const { return m_port; }

private:
    // "ftp://host:port/" and the path, each of its parts escaped; a leading "/" stays absolute.
    std::string Url(const CString& path) const;
    // Runs the prepared request, then clears it; throws on failure.
    void Perform();
    // Sends what `read` gives (a reader of the library's kind) as the remote file.
    using Reader = size_t (*)(char*, size_t, size_t, void*);
    void Upload(const CString& path, Reader read, void* source, long long size);

    void* m_curl = nullptr;
    CString m_host;
    INTERNET_PORT m_port;
    CString m_user;
    CString m_password;
    DWORD_PTR m_context;
    // The log-in directory as the server names it ("/home/dev"), once known.
    CString m_entryPath;
};
