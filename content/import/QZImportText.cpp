#include "content/import/QZImportText.h"

namespace {

// True when the "/" at `index` follows a "scheme:" (over any "/" before it) within the piece:
// the template lexer keeps such a "/" inside its text run.
bool FollowsScheme(const std::string& text, size_t index) {
    size_t i = index;
    while (i > 0 && text[i - 1] == '/')
        i--;
    return i > 0 && text[i - 1] == ':';
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

CString EscapeTemplateText(const CString& piece) {
    const std::string& text = piece.str();
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); i++) {
        char c = text[i];
        bool last = i + 1 == text.size();
        if (c == '<' && (last || text[i + 1] == '<')) {
            out += "&lt;";
        } else if (c == '/' && !last && text[i + 1] == '/' && !FollowsScheme(text, i)) {
            out += "/&#47;";
            i++;
        } else {
            out += c;
        }
    }
    return CString(std::move(out));
}

CString EscapeQuotedValue(const CString& value) {
    std::string out;
    for (char c : value.str()) {
        if (c == '"')
            out += "&quot;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return CString(std::move(out));
}

int CountCommandStarts(const CString& text) {
    int count = 0;
    for (int i = text.Find("<<"); i >= 0; i = text.Find("<<", i + 1))
        count++;
    return count;
}

CString LeftCharacters(const CString& text, int count) {
    const std::string& bytes = text.str();
    size_t end = 0;
    for (int characters = 0; end < bytes.size() && characters < count; characters++) {
        end++;
        while (end < bytes.size() && IsContinuationByte(bytes[end]))
            end++;
    }
    return CString(bytes.substr(0, end));
}
