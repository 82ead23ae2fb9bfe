#pragma once
// One HTTP GET as the transfer library makes it, its answer streamed. Start sends the request
// and waits for the answer's headers; the body arrives as Read asks for it, with at most a
// bounded amount held at once. A failure before the answer's headers throws from Start, one
// after them from the Read that reaches it (CInternetException with the library's error number
// and text). Proxies are those the library's environment variables name.

#include "platform/core/CString.h"
#include "platform/inet/InternetTypes.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class HttpTransfer {
public:
    // What is asked: the whole URL, the request's own header lines ("Name: value"), and the
    // agent and credentials (none when empty).
    struct Request {
        std::string url;
        std::vector<std::string> headers;
        CString agent;
        CString user;
        CString password;
        bool followRedirects = true;
        // Milliseconds to wait for a connection, and for the answer to move at all; 0 for 30
        // seconds.
        long connectTimeoutMs = 0;
        long receiveTimeoutMs = 0;
        // Called again and again while the transfer waits or reads (about once a second at
        // least); none when empty.
        std::function<void()> onProgress;
    };

    HttpTransfer(Request request, DWORD_PTR context);
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    void Start();
    // The status code of the answer (of the last one, after redirections).
    DWORD GetStatusCode() const;
    // The Location header of the answer; "" when it has none.
    const std::string& GetLocation() const { return m_location; }
    // Up to `count` bytes of the body, waiting for them; 0 at its end.
    size_t Read(char* buffer, size_t count);

private:
    static size_t OnHeader(char* data, size_t size, size_t count, void* self);
    static size_t OnBody(char* data, size_t size, size_t count, void* self);
    static int OnProgress(void* self, long long, long long, long long, long long);
    void Prepare();
    // Drives the transfer until `done` holds or the transfer ends.
    template <class Condition> void Pump(Condition done);
    void CollectResult();
    // Milliseconds since data last arrived on the connection (0 before it is made).
    long IdleMilliseconds();
    void ResumeIfPaused();
    [[noreturn]] void ThrowFailure() const;

    Request m_request;
    DWORD_PTR m_context;
    void* m_easy = nullptr;
    void* m_multi = nullptr;
    void* m_headerList = nullptr;
    bool m_added = false;
    // The answer's headers: the status of the block being read and whether it redirects.
    long m_blockStatus = 0;
    bool m_blockRedirects = false;
    std::string m_location;
    long m_receiveTimeoutMs = 0;
    std::chrono::steady_clock::time_point m_lastData;
    bool m_headersDone = false;
    // The body received and not yet read, from m_readOffset on.
    std::string m_held;
    size_t m_readOffset = 0;
    bool m_paused = false;
    bool m_finished = false;
    int m_result = 0;
    char m_error[256] = "";
};
