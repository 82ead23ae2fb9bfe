#pragma once
// Real servers on 127.0.0.1 for the net tests, each a Python process started by the test on a
// free port and stopped when the object goes: an FTP server (Debian's python3-pyftpdlib) with
// one user whose home is a folder, and an HTTP server (Python's http.server) serving a folder.

#include <sys/types.h>

#include <string>
#include <vector>

// A Python script run as a server process; it prints the port it listens on as its first line.
class LocalTestServer {
public:
    ~LocalTestServer();
    LocalTestServer(const LocalTestServer&) = delete;
    LocalTestServer& operator=(const LocalTestServer&) = delete;

    int port() const { return m_port; }
    // "127.0.0.1:<port>", the server address as a site's settings give it.
    std::string address() const { return "127.0.0.1:" + std::to_string(m_port); }

protected:
    // Starts the script with the arguments; throws when it does not report a port in time.
    LocalTestServer(const std::string& script, const std::vector<std::string>& arguments);

private:
    void Stop();

    pid_t m_pid = -1;
    int m_port = 0;
};

// An FTP server whose one user (user, password) has the folder `root` as home, with every
// right; active and passive data connections, each session on a thread of its own.
class FtpTestServer : public LocalTestServer {
public:
    FtpTestServer(const std::string& root, const std::string& user, const std::string& password);
};

// An HTTP server answering GET requests with the files of the folder `root`.
class HttpTestServer : public LocalTestServer {
public:
    explicit HttpTestServer(const std::string& root);
};
