#include "platform/inet/HttpTransfer.h"

#include "platform/inet/CInternetException.h"
#include "platform/inet/CurlLibrary.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

// Seconds to wait for a connection, and for the answer to move at all.
constexpr long kTimeoutSeconds = 30;
// How much of the body is held before the transfer waits for the reader.
constexpr size_t kHeldLimit = 64 * 1024;
constexpr long kMaxRedirections = 10;

CURL* Easy(void* handle) {
    return static_cast<CURL*>(handle);
}

CURLM* Multi(void* handle) {
    return static_cast<CURLM*>(handle);
}

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    return strncasecmp(text.c_str(), prefix, std::strlen(prefix)) == 0;
}

// The name of a header line, up to its colon.
std::string HeaderName(const std::string& line) {
    return line.substr(0, line.find(':'));
}

} // namespace

HttpTransfer::HttpTransfer(Request request, DWORD_PTR context)
    : m_request(std::move(request)), m_context(context) {
    InitCurlLibraryOnce();
    m_easy = curl_easy_init();
    m_multi = curl_multi_init();
    if (m_easy == nullptr || m_multi == nullptr) {
        if (m_easy != nullptr)
            curl_easy_cleanup(Easy(m_easy));
        if (m_multi != nullptr)
            curl_multi_cleanup(Multi(m_multi));
        AfxThrowInternetException(m_context, CURLE_FAILED_INIT,
                                  curl_easy_strerror(CURLE_FAILED_INIT));
    }
}

HttpTransfer::~HttpTransfer() {
    if (m_added)
        curl_multi_remove_handle(Multi(m_multi), Easy(m_easy));
    curl_easy_cleanup(Easy(m_easy));
    curl_multi_cleanup(Multi(m_multi));
    curl_slist_free_all(static_cast<curl_slist*>(m_headerList));
}

void HttpTransfer::Prepare() {
    CURL* curl = Easy(m_easy);
    curl_slist* list = nullptr;
    bool accept = false;
    for (const std::string& line : m_request.headers) {
        list = curl_slist_append(list, line.c_str());
        accept = accept || strcasecmp(HeaderName(line).c_str(), "Accept") == 0;
    }
    // The library would add an Accept header of its own; the request sends only its own.
    if (!accept)
        list = curl_slist_append(list, "Accept:");
    m_headerList = list;
    curl_easy_setopt(curl, CURLOPT_URL, m_request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, list);
    if (!m_request.agent.IsEmpty())
        curl_easy_setopt(curl, CURLOPT_USERAGENT, static_cast<LPCTSTR>(m_request.agent));
    if (!m_request.user.IsEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, static_cast<LPCTSTR>(m_request.user));
        curl_easy_setopt(curl, CURLOPT_PASSWORD, static_cast<LPCTSTR>(m_request.password));
    }
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, m_request.followRedirects ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirections);
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    long connectMs =
        m_request.connectTimeoutMs > 0 ? m_request.connectTimeoutMs : kTimeoutSeconds * 1000;
    long receiveMs =
        m_request.receiveTimeoutMs > 0 ? m_request.receiveTimeoutMs : kTimeoutSeconds * 1000;
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
    // The wait for data is watched by Pump: the library's own low-speed check averages over
    // several seconds.
    m_receiveTimeoutMs = receiveMs;
    if (m_request.onProgress) {
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &HttpTransfer::OnProgress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    }
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, m_error);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &HttpTransfer::OnHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &HttpTransfer::OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
}

void HttpTransfer::Start() {
    Prepare();
    if (curl_multi_add_handle(Multi(m_multi), Easy(m_easy)) != CURLM_OK)
        AfxThrowInternetException(m_context, CURLE_FAILED_INIT,
                                  curl_easy_strerror(CURLE_FAILED_INIT));
    m_added = true;
    Pump([this] { return m_headersDone; });
    if (!m_headersDone && m_result != CURLE_OK)
        ThrowFailure();
}

DWORD HttpTransfer::GetStatusCode() const {
    long code = 0;
    curl_easy_getinfo(Easy(m_easy), CURLINFO_RESPONSE_CODE, &code);
    return static_cast<DWORD>(code);
}

size_t HttpTransfer::Read(char* buffer, size_t count) {
    if (m_readOffset == m_held.size()) {
        m_held.clear();
        m_readOffset = 0;
        ResumeIfPaused();
        Pump([this] { return !m_held.empty(); });
    }
    if (m_readOffset == m_held.size()) {
        if (m_result != CURLE_OK)
            ThrowFailure();
        return 0;
    }
    size_t n = std::min(count, m_held.size() - m_readOffset);
    std::memcpy(buffer, m_held.data() + m_readOffset, n);
    m_readOffset += n;
    return n;
}

template <class Condition> void HttpTransfer::Pump(Condition done) {
    // The wait for data is counted from when the reader begins to wait.
    m_lastData = std::chrono::steady_clock::now();
    while (!done() && !m_finished) {
        int running = 0;
        CURLMcode code = curl_multi_perform(Multi(m_multi), &running);
        if (code != CURLM_OK) {
            m_finished = true;
            m_result = CURLE_RECV_ERROR;
            std::snprintf(m_error, sizeof m_error, "%s", curl_multi_strerror(code));
            return;
        }
        CollectResult();
        if (done() || m_finished)
            return;
        long idle = IdleMilliseconds();
        if (idle >= m_receiveTimeoutMs) {
            m_finished = true;
            m_result = CURLE_OPERATION_TIMEDOUT;
            std::snprintf(m_error, sizeof m_error, "No data received for %ld milliseconds", idle);
            return;
        }
        int wait = static_cast<int>(std::min(1000L, m_receiveTimeoutMs - idle));
        curl_multi_poll(Multi(m_multi), nullptr, 0, wait, nullptr);
    }
}

long HttpTransfer::IdleMilliseconds() {
    auto now = std::chrono::steady_clock::now();
    // The wait for data begins once the connection is made; connecting has its own limit.
    curl_off_t connected = 0;
    curl_easy_getinfo(Easy(m_easy), CURLINFO_CONNECT_TIME_T, &connected);
    if (connected == 0)
        m_lastData = now;
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now - m_lastData).count());
}

void HttpTransfer::CollectResult() {
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(Multi(m_multi), &left)) {
        if (message->msg == CURLMSG_DONE) {
            m_finished = true;
            m_result = message->data.result;
        }
    }
}

void HttpTransfer::ResumeIfPaused() {
    if (!m_paused)
        return;
    m_paused = false;
    curl_easy_pause(Easy(m_easy), CURLPAUSE_CONT);
}

void HttpTransfer::ThrowFailure() const {
    CURLcode code = static_cast<CURLcode>(m_result);
    AfxThrowInternetException(m_context, static_cast<DWORD>(code),
                              m_error[0] != '\0' ? m_error : curl_easy_strerror(code));
}

size_t HttpTransfer::OnHeader(char* data, size_t size, size_t count, void* self) {
    auto* transfer = static_cast<HttpTransfer*>(self);
    transfer->m_lastData = std::chrono::steady_clock::now();
    std::string line(data, size * count);
    if (line.rfind("HTTP/", 0) == 0) {
        size_t space = line.find(' ');
        transfer->m_blockStatus = space != std::string::npos ? std::atol(line.c_str() + space) : 0;
        transfer->m_blockRedirects = false;
        transfer->m_location.clear();
    } else if (StartsWithNoCase(line, "Location:")) {
        transfer->m_blockRedirects = true;
        std::string value = line.substr(std::strlen("Location:"));
        size_t first = value.find_first_not_of(" \t");
        size_t last = value.find_last_not_of(" \t\r\n");
        transfer->m_location =
            first == std::string::npos ? std::string() : value.substr(first, last - first + 1);
    } else if (line == "\r\n" || line == "\n") {
        long status = transfer->m_blockStatus;
        // The headers of an answer that the library goes on to follow are not the answer's.
        bool followed = transfer->m_request.followRedirects && transfer->m_blockRedirects &&
                        status >= 300 && status < 400;
        if (status >= 200 && !followed)
            transfer->m_headersDone = true;
    }
    return size * count;
}

int HttpTransfer::OnProgress(void* self, long long, long long, long long, long long) {
    static_cast<HttpTransfer*>(self)->m_request.onProgress();
    return 0;
}

size_t HttpTransfer::OnBody(char* data, size_t size, size_t count, void* self) {
    auto* transfer = static_cast<HttpTransfer*>(self);
    if (transfer->m_held.size() - transfer->m_readOffset >= kHeldLimit) {
        transfer->m_paused = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    transfer->m_held.append(data, size * count);
    transfer->m_lastData = std::chrono::steady_clock::now();
    transfer->m_headersDone = true;
    return size * count;
}
