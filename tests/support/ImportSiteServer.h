#pragma once
// An HTTP server on 127.0.0.1 for retrieving sites: it serves the files of a folder and answers
// some paths of its own: under /hop/ redirections (on the same host and port, to another host,
// port or scheme, a loop, a chain of five), under /limits/ a page of hundreds of megabytes made
// on the fly and a page that stalls, and a 404. It records the path, agent and Accept header of
// every request.

#include "tests/support/LocalTestServer.h"
#include "tests/support/TestSupport.h"

#include <string>
#include <vector>

// The folder that holds the server's log; made before the server starts.
class ImportSiteServerState {
protected:
    TempDir m_state;
};

class ImportSiteServer : private ImportSiteServerState, public LocalTestServer {
public:
    struct Request {
        std::string path;
        std::string agent;
        std::string accept;
    };

    // Serves `root`; redirections "to another port" go to `otherPort`.
    ImportSiteServer(const std::string& root, int otherPort);

    // "http://127.0.0.1:<port>" and the path.
    std::string Url(const std::string& path) const;
    // Every request received so far, in order.
    std::vector<Request> Requests() const;
    // The paths requested so far, in order.
    std::vector<std::string> Paths() const;
};
