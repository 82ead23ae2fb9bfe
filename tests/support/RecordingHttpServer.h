#pragma once
// An HTTP server on 127.0.0.1 that records every GET request it receives (its request line and
// headers, in order) and answers it with a raw answer set for the request's path, or else with
// the files of a folder as Python's http.server does.

#include "tests/support/LocalTestServer.h"
#include "tests/support/TestSupport.h"

#include <string>
#include <utility>
#include <vector>

// The folder that holds the server's log and answers; made before the server starts.
class RecordingHttpState {
protected:
    TempDir m_state;
};

class RecordingHttpServer : private RecordingHttpState, public LocalTestServer {
public:
    struct Request {
        std::string line;
        std::vector<std::pair<std::string, std::string>> headers;
        // The value of the first header of that name (any case); "" when there is none.
        std::string Header(const std::string& name) const;
        bool HasHeader(const std::string& name) const;
    };

    explicit RecordingHttpServer(const std::string& root);

    // Answers requests for `path` (the part before any "?") with exactly these bytes, then
    // closes the connection.
    void SetRawReply(const std::string& path, const std::string& bytes);
    // Answers requests for `path` with the status and the body.
    void SetReply(const std::string& path, int status, const std::string& body);
    // Every request received so far, in order.
    std::vector<Request> Requests() const;
};

// A port on 127.0.0.1 that nothing listens on (one just given up by the system).
int UnusedLocalPort();
