#include "content/import/QZImportPaths.h"

#include <cctype>
#include <string>

namespace {

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t slash = text.find('/', start);
        parts.push_back(text.substr(start, slash - start));
        if (slash == std::string::npos)
            return parts;
        start = slash + 1;
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

CString NormaliseLocalPath(const CString& path) {
    std::vector<std::string> kept;
    for (const std::string& part : Split(path.str())) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!kept.empty())
                kept.pop_back();
            continue;
        }
        kept.push_back(part);
    }
    std::string result;
    for (const std::string& part : kept)
        result += "/" + part;
    return CString(result.empty() ? std::string("/") : result);
}

CString RemoveDotSegments(const CString& path) {
    std::vector<std::string> parts = Split(path.str());
    std::vector<std::string> kept;
    bool absolute = !parts.empty() && parts.front().empty();
    if (absolute)
        parts.erase(parts.begin());
    for (size_t i = 0; i < parts.size(); i++) {
        const std::string& part = parts[i];
        bool last = i + 1 == parts.size();
        if (part == "." || part == "..") {
            if (part == ".." && !kept.empty())
                kept.pop_back();
            // A dot segment at the end still names a folder.
            if (last)
                kept.push_back("");
            continue;
        }
        kept.push_back(part);
    }
    std::string result = absolute ? "/" : "";
    for (size_t i = 0; i < kept.size(); i++)
        result += (i > 0 ? "/" : "") + kept[i];
    return CString(result);
}

CString PercentDecode(const CString& text) {
    const std::string& in = text.str();
    std::string out;
    for (size_t i = 0; i < in.size(); i++) {
        int high = i + 2 < in.size() && in[i] == '%' ? HexValue(in[i + 1]) : -1;
        int low = high >= 0 ? HexValue(in[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += in[i];
        }
    }
    return CString(std::move(out));
}

BOOL SafeLocalSegments(const CString& relativePath, std::vector<CString>& segments) {
    segments.clear();
    for (const std::string& part : Split(relativePath.str())) {
        std::string name = PercentDecode(CString(part)).str();
        if (name.empty() || name == "." || name == ".." ||
            name.find_first_of(std::string("\0\\:/", 4)) != std::string::npos)
            return FALSE;
        segments.push_back(CString(name));
    }
    return TRUE;
}
