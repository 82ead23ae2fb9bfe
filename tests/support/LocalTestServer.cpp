#include "tests/support/LocalTestServer.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Debian's interpreter, which has the distribution's Python packages.
std::string Python() {
    return access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
}

const char* const kFtpScript = R"(
import logging, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import ThreadedFTPServer
logging.disable(logging.CRITICAL)
authorizer = DummyAuthorizer()
authorizer.add_user(sys.argv[2], sys.argv[3], sys.argv[1], perm="elradfmwMT")
handler = type("Handler", (FTPHandler,), {"authorizer": authorizer, "auth_failed_timeout": 0})
# A thread per session: the single-loop server can lose one session's socket when another
# session ends whose old data connection had the same descriptor number.
server = ThreadedFTPServer(("127.0.0.1", 0), handler)
print(server.address[1], flush=True)
server.serve_forever()
)";

const char* const kHttpScript = R"(
import functools, http.server, sys
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
handler.func.log_message = lambda *args: None
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
print(server.server_address[1], flush=True)
server.serve_forever()
)";

// The first line the process writes to the pipe, waiting at most timeoutMs.
std::string ReadFirstLine(int fd, int timeoutMs) {
    std::string line;
    pollfd watch{fd, POLLIN, 0};
    while (line.find('\n') == std::string::npos) {
        if (poll(&watch, 1, timeoutMs) <= 0)
            break;
        char buffer[64];
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        line.append(buffer, static_cast<size_t>(n));
    }
    return line;
}

} // namespace

LocalTestServer::LocalTestServer(const std::string& script,
                                 const std::vector<std::string>& arguments) {
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("cannot make a pipe for the test server");
    std::string python = Python();
    std::vector<std::string> args{python, "-c", script};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    std::string line = m_pid > 0 ? ReadFirstLine(fds[0], 20000) : "";
    close(fds[0]);
    m_port = std::atoi(line.c_str());
    if (m_port <= 0) {
        Stop();
        throw std::runtime_error("the test server did not start (is python3-pyftpdlib there?)");
    }
}

LocalTestServer::~LocalTestServer() {
    Stop();
}

void LocalTestServer::Stop() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    while (waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
}

FtpTestServer::FtpTestServer(const std::string& root, const std::string& user,
                             const std::string& password)
    : LocalTestServer(kFtpScript, {root, user, password}) {}

HttpTestServer::HttpTestServer(const std::string& root) : LocalTestServer(kHttpScript, {root}) {}
