#include "content/import/QZImportURL.h"

#include "content/import/QZImportPaths.h"
#include "platform/inet/ParseUrl.h"

#include <cctype>
#include <string>

namespace {

int HexValue(char c) {
    if (std::isdigit(static_cast<unsigned char>(c)))
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool IsUnreserved(int c) {
    return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

INTERNET_PORT DefaultPort(const CString& scheme) {
    return scheme == "https" ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
}

} // namespace

CString NormaliseURLPath(const CString& path) {
    const std::string& in = path.str();
    std::string out;
    for (size_t i = 0; i < in.size(); i++) {
        int high = in[i] == '%' && i + 2 < in.size() ? HexValue(in[i + 1]) : -1;
        int low = high >= 0 ? HexValue(in[i + 2]) : -1;
        int decoded = low >= 0 ? high * 16 + low : -1;
        if (decoded >= 0 && IsUnreserved(decoded)) {
            out += static_cast<char>(decoded);
            i += 2;
        } else {
            out += in[i];
        }
    }
    return RemoveDotSegments(CString(out));
}

BOOL QZImportURL::Parse(const CString& url) {
    DWORD service = 0;
    CString object;
    if (!AfxParseURL(url, service, host, object, port))
        return FALSE;
    if (service != AFX_INET_SERVICE_HTTP && service != AFX_INET_SERVICE_HTTPS)
        return FALSE;
    scheme = service == AFX_INET_SERVICE_HTTPS ? "https" : "http";
    host.MakeLower();
    int query = object.Find('?');
    path = NormaliseURLPath(query >= 0 ? object.Left(query) : object);
    if (path.IsEmpty() || path[0] != '/')
        path = "/" + path;
    return TRUE;
}

CString QZImportURL::Server() const {
    if (port == DefaultPort(scheme))
        return host;
    CString server;
    server.Format("%s:%d", host, static_cast<int>(port));
    return server;
}

CString QZImportURL::Format() const {
    return scheme + "://" + Server() + path;
}

CString QZImportURL::Directory() const {
    return path.Left(path.ReverseFind('/'));
}

bool QZImportURL::SameSite(const QZImportURL& other) const {
    return scheme == other.scheme && host == other.host && port == other.port;
}
