#include "platform/inet/ParseUrl.h"

#include <cctype>
#include <string>

namespace {

struct Scheme {
    const char* name;
    DWORD service;
    INTERNET_PORT port;
};

const Scheme kSchemes[] = {{"http", AFX_INET_SERVICE_HTTP, INTERNET_DEFAULT_HTTP_PORT},
                           {"https", AFX_INET_SERVICE_HTTPS, INTERNET_DEFAULT_HTTPS_PORT},
                           {"ftp", AFX_INET_SERVICE_FTP, INTERNET_DEFAULT_FTP_PORT},
                           {"file", AFX_INET_SERVICE_FILE, 0}};

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Reads a port number; false when the text is not one.
bool ReadPort(const std::string& text, INTERNET_PORT& port) {
    if (text.empty() || text.size() > 5)
        return false;
    long value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 65535)
        return false;
    port = static_cast<INTERNET_PORT>(value);
    return true;
}

} // namespace

BOOL AfxParseURL(LPCTSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject,
                 INTERNET_PORT& nPort) {
    dwServiceType = AFX_INET_SERVICE_UNK;
    strServer.Empty();
    strObject.Empty();
    nPort = 0;
    std::string url = Trimmed(pstrURL != nullptr ? pstrURL : "");
    size_t mark = url.find("://");
    if (mark == std::string::npos || mark == 0)
        return FALSE;
    std::string scheme = Lower(url.substr(0, mark));
    for (const Scheme& known : kSchemes)
        if (scheme == known.name) {
            dwServiceType = known.service;
            nPort = known.port;
        }
    std::string rest = url.substr(mark + 3);
    size_t hash = rest.find('#');
    if (hash != std::string::npos)
        rest.erase(hash);
    size_t end = rest.find_first_of("/?");
    std::string authority = rest.substr(0, end);
    std::string object = end == std::string::npos ? std::string() : rest.substr(end);
    size_t at = authority.rfind('@');
    if (at != std::string::npos)
        authority.erase(0, at + 1);
    size_t colon = authority.rfind(':');
    if (colon != std::string::npos) {
        if (!ReadPort(authority.substr(colon + 1), nPort))
            return FALSE;
        authority.erase(colon);
    }
    if (authority.empty())
        return FALSE;
    if (object.empty() || object[0] != '/')
        object.insert(0, 1, '/');
    strServer = authority.c_str();
    strObject = object.c_str();
    return TRUE;
}
