#include "platform/inet/FtpControl.h"

#include "platform/inet/CInternetException.h"
#include "platform/inet/CurlLibrary.h"
#include "platform/inet/ServerAddress.h"

#include <curl/curl.h>

#include <cstring>

namespace {

// Seconds to wait for the server to answer, or to connect back for a data transfer.
constexpr long kTimeoutSeconds = 30;

size_t AppendReceived(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

size_t DiscardReceived(char*, size_t size, size_t count, void*) {
    return size * count;
}

// What an upload reads its bytes from.
struct UploadSource {
    const std::string* data;
    size_t offset;
};

size_t ReadUpload(char* buffer, size_t size, size_t count, void* source) {
    auto* upload = static_cast<UploadSource*>(source);
    size_t left = upload->data->size() - upload->offset;
    size_t n = std::min(left, size * count);
    std::memcpy(buffer, upload->data->data() + upload->offset, n);
    upload->offset += n;
    return n;
}

size_t ReadLocalFile(char* buffer, size_t size, size_t count, void* source) {
    auto* file = static_cast<std::FILE*>(source);
    size_t n = std::fread(buffer, 1, size * count, file);
    return n == 0 && std::ferror(file) ? CURL_READFUNC_ABORT : n;
}

CURL* Handle(void* curl) {
    return static_cast<CURL*>(curl);
}

} // namespace

FtpControl::FtpControl(const CString& server, INTERNET_PORT port, const CString& user,
                       const CString& password, DWORD_PTR context)
    : m_user(user), m_password(password), m_context(context) {
    SplitServerAddress(server,
                       port != INTERNET_INVALID_PORT_NUMBER ? port : INTERNET_DEFAULT_FTP_PORT,
                       m_host, m_port);
    InitCurlLibraryOnce();
    m_curl = curl_easy_init();
    if (m_curl == nullptr)
        AfxThrowInternetException(m_context, CURLE_FAILED_INIT,
                                  curl_easy_strerror(CURLE_FAILED_INIT));
}

FtpControl::~FtpControl() {
    Close();
}

void FtpControl::Close() {
    if (m_curl != nullptr)
        curl_easy_cleanup(Handle(m_curl));
    m_curl = nullptr;
}

std::string FtpControl::Url(const CString& path) const {
    std::string url = "ftp://" + m_host.str() + ":" + std::to_string(m_port) + "/";
    std::string text = path.str();
    for (char& c : text)
        if (c == '\\')
            c = '/';
    size_t start = 0;
    // The library reads the URL's path from the log-in directory; "%2F" makes it absolute.
    if (!text.empty() && text[0] == '/') {
        url += "%2F";
        start = 1;
    }
    while (start <= text.size()) {
        size_t slash = text.find('/', start);
        std::string part =
            text.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        char* escaped =
            curl_easy_escape(Handle(m_curl), part.c_str(), static_cast<int>(part.size()));
        url += escaped != nullptr ? escaped : "";
        curl_free(escaped);
        if (slash == std::string::npos)
            break;
        url += '/';
        start = slash + 1;
    }
    return url;
}

void FtpControl::Perform() {
    if (m_curl == nullptr)
        AfxThrowInternetException(m_context, CURLE_FAILED_INIT, "The FTP connection is closed.");
    CURL* curl = Handle(m_curl);
    curl_easy_setopt(curl, CURLOPT_USERNAME, static_cast<LPCTSTR>(m_user));
    curl_easy_setopt(curl, CURLOPT_PASSWORD, static_cast<LPCTSTR>(m_password));
    curl_easy_setopt(curl, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, kTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, kTimeoutSeconds * 1000);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    char error[CURL_ERROR_SIZE] = "";
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    CURLcode result = curl_easy_perform(curl);
    char* entry = nullptr;
    if (m_entryPath.IsEmpty() &&
        curl_easy_getinfo(curl, CURLINFO_FTP_ENTRY_PATH, &entry) == CURLE_OK && entry != nullptr)
        m_entryPath = entry;
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_reset(curl);
    if (result != CURLE_OK)
        AfxThrowInternetException(m_context, result,
                                  error[0] != '\0' ? error : curl_easy_strerror(result));
}

void FtpControl::LogIn() {
    CheckDirectory(CString());
}

void FtpControl::CheckDirectory(const CString& directory) {
    CString path = directory;
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '/')
        path += '/';
    std::string url = Url(path);
    curl_easy_setopt(Handle(m_curl), CURLOPT_URL, url.c_str());
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    Perform();
}

std::string FtpControl::Retrieve(const CString& path) {
    std::string data;
    std::string url = Url(path);
    curl_easy_setopt(Handle(m_curl), CURLOPT_URL, url.c_str());
    curl_easy_setopt(Handle(m_curl), CURLOPT_WRITEFUNCTION, &AppendReceived);
    curl_easy_setopt(Handle(m_curl), CURLOPT_WRITEDATA, &data);
    Perform();
    return data;
}

void FtpControl::Store(const CString& path, const std::string& data) {
    UploadSource source{&data, 0};
    Upload(path, &ReadUpload, &source, static_cast<long long>(data.size()));
}

void FtpControl::Store(const CString& path, std::FILE* source) {
    Upload(path, &ReadLocalFile, source, -1);
}

void FtpControl::Upload(const CString& path, Reader read, void* source, long long size) {
    std::string url = Url(path);
    CURL* curl = Handle(m_curl);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, read);
    curl_easy_setopt(curl, CURLOPT_READDATA, source);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
    Perform();
}

CString FtpControl::Absolute(const CString& path) const {
    std::string text = path.str();
    for (char& c : text)
        if (c == '\\')
            c = '/';
    if ((text.empty() || text[0] != '/') && !m_entryPath.IsEmpty()) {
        std::string entry = m_entryPath.str();
        if (entry.back() != '/')
            entry += '/';
        text.insert(0, entry);
    }
    return CString(text.c_str());
}

void FtpControl::Command(const CString& command) {
    curl_slist* commands = curl_slist_append(nullptr, command);
    std::string url = Url(CString());
    CURL* curl = Handle(m_curl);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_QUOTE, commands);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &DiscardReceived);
    try {
        Perform();
    } catch (...) {
        curl_slist_free_all(commands);
        throw;
    }
    curl_slist_free_all(commands);
}
