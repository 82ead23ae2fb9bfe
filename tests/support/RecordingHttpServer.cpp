#include "tests/support/RecordingHttpServer.h"

#include <fstream>
#include <netinet/in.h>
#include <sstream>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* const kScript = R"(
import http.server, os, sys, threading
root, log_path, replies = sys.argv[1], sys.argv[2], sys.argv[3]
lock = threading.Lock()
class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=root, **kwargs)
    def log_message(self, *args):
        pass
    def do_GET(self):
        with lock, open(log_path, "a", encoding="latin-1", newline="") as log:
            log.write(self.requestline + "\n")
            for name, value in self.headers.items():
                log.write(name + ": " + value + "\n")
            log.write("\n")
        reply = os.path.join(replies, self.path.split("?", 1)[0].encode("latin-1").hex())
        if os.path.exists(reply):
            with open(reply, "rb") as answer:
                self.wfile.write(answer.read())
            self.wfile.flush()
            self.close_connection = True
            return
        super().do_GET()
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
)";

std::string Hex(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 0x0F];
    }
    return hex;
}

std::string StatePath(const TempDir& state, const std::string& name) {
    std::filesystem::create_directories(state.path() / "replies");
    return state.file(name);
}

} // namespace

std::string RecordingHttpServer::Request::Header(const std::string& name) const {
    for (const auto& [key, value] : headers)
        if (strcasecmp(key.c_str(), name.c_str()) == 0)
            return value;
    return "";
}

bool RecordingHttpServer::Request::HasHeader(const std::string& name) const {
    for (const auto& header : headers)
        if (strcasecmp(header.first.c_str(), name.c_str()) == 0)
            return true;
    return false;
}

RecordingHttpServer::RecordingHttpServer(const std::string& root)
    : LocalTestServer(kScript,
                      {root, StatePath(m_state, "requests.log"), StatePath(m_state, "replies")}) {}

void RecordingHttpServer::SetRawReply(const std::string& path, const std::string& bytes) {
    std::ofstream(m_state.file("replies/" + Hex(path)), std::ios::binary) << bytes;
}

void RecordingHttpServer::SetReply(const std::string& path, int status, const std::string& body) {
    SetRawReply(path, "HTTP/1.0 " + std::to_string(status) + " Reply\r\nContent-Length: " +
                          std::to_string(body.size()) + "\r\n\r\n" + body);
}

std::vector<RecordingHttpServer::Request> RecordingHttpServer::Requests() const {
    std::vector<Request> requests;
    std::ifstream log(m_state.file("requests.log"), std::ios::binary);
    std::string line;
    Request request;
    while (std::getline(log, line)) {
        if (line.empty()) {
            requests.push_back(request);
            request = Request();
        } else if (request.line.empty()) {
            request.line = line;
        } else {
            size_t colon = line.find(": ");
            request.headers.emplace_back(line.substr(0, colon),
                                         colon == std::string::npos ? "" : line.substr(colon + 2));
        }
    }
    return requests;
}

int UnusedLocalPort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}
