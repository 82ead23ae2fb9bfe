#include "tests/support/ImportSiteServer.h"

#include <fstream>

namespace {

const char* const kScript = R"(
import http.server, sys, threading, time
root, log_path, other_port = sys.argv[1], sys.argv[2], int(sys.argv[3])
lock = threading.Lock()

def page(title, links=()):
    body = "".join('<a href="%s">%s</a>\n' % (link, link) for link in links)
    return ("<html><head><title>%s</title></head><body>\n%s</body></html>\n" % (title, body)).encode()

HOP_LINKS = ("same.html", "offsite.html", "otherport.html", "ftp.html", "loop.html",
             "chain1.html", "chain0.html", "https.html", "missing.html", "after.html")
LIMIT_LINKS = ("big.html", "slow.html", "wide.html", "after.html")

class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=root, **kwargs)

    def log_message(self, *args):
        pass

    def reply(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def redirect(self, to):
        self.reply(302, b"", [("Location", to)])

    def stream(self, chunk, total):
        self.send_response(200)
        self.end_headers()
        sent = 0
        try:
            while sent < total:
                self.wfile.write(chunk)
                sent += len(chunk)
        except OSError:
            pass

    def do_GET(self):
        with lock, open(log_path, "a", encoding="latin-1", newline="") as log:
            log.write("%s|%s|%s\n" % (self.path, self.headers.get("User-Agent", ""),
                                      self.headers.get("Accept", "")))
        port = self.server.server_address[1]
        path = self.path.split("?", 1)[0]
        if path == "/hop/index.html":
            return self.reply(200, page("Hops", HOP_LINKS))
        if path in ("/hop/target.html", "/hop/after.html", "/limits/after.html"):
            return self.reply(200, page(path))
        if path == "/hop/same.html":
            return self.redirect("http://127.0.0.1:%d/hop/target.html" % port)
        if path == "/hop/offsite.html":
            return self.redirect("http://localhost:%d/hop/target.html" % port)
        if path == "/hop/otherport.html":
            return self.redirect("http://127.0.0.1:%d/hop/target.html" % other_port)
        if path == "/hop/ftp.html":
            return self.redirect("ftp://127.0.0.1/hop/target.html")
        if path == "/hop/https.html":
            return self.redirect("https://127.0.0.1:%d/hop/target.html" % port)
        if path == "/hop/loop.html":
            return self.redirect("/hop/loop.html")
        if path.startswith("/hop/chain") and path.endswith(".html"):
            # chain1 reaches the target after five redirections, chain0 after six.
            n = int(path[len("/hop/chain"):-len(".html")])
            return self.redirect("chain%d.html" % (n + 1) if n < 5 else "target.html")
        if path == "/limits/index.html":
            return self.reply(200, page("Limits", LIMIT_LINKS))
        if path == "/limits/big.html":
            return self.stream(b"<p>" + b"x" * 65530 + b"</p>\n", 300 * 1024 * 1024)
        if path == "/limits/wide.html":
            filler = b"<p>" + b"y" * 1000 + b"</p>\n"
            return self.reply(200, b'<a href="after.html">a</a>' + filler * 100 +
                              b'<a href="hidden.html">h</a>')
        if path == "/limits/slow.html":
            self.send_response(200)
            self.end_headers()
            self.wfile.write(b"<html><body>")
            self.wfile.flush()
            time.sleep(30)
            return
        return super().do_GET()

server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
)";

std::string LogPath(const TempDir& state) {
    return state.file("requests.log");
}

} // namespace

ImportSiteServer::ImportSiteServer(const std::string& root, int otherPort)
    : LocalTestServer(kScript, {root, LogPath(m_state), std::to_string(otherPort)}) {}

std::string ImportSiteServer::Url(const std::string& path) const {
    return "http://" + address() + path;
}

std::vector<ImportSiteServer::Request> ImportSiteServer::Requests() const {
    std::vector<Request> requests;
    std::ifstream log(LogPath(m_state), std::ios::binary);
    std::string line;
    while (std::getline(log, line)) {
        size_t first = line.find('|');
        size_t second = line.find('|', first + 1);
        requests.push_back({line.substr(0, first), line.substr(first + 1, second - first - 1),
                            line.substr(second + 1)});
    }
    return requests;
}

std::vector<std::string> ImportSiteServer::Paths() const {
    std::vector<std::string> paths;
    for (const Request& request : Requests())
        paths.push_back(request.path);
    return paths;
}
