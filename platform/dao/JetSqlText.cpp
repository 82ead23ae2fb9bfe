#include "platform/dao/JetSqlText.h"

#include <cctype>

namespace JetSqlText {

namespace {

std::string Quote(const std::string& text, char quote) {
    std::string quoted(1, quote);
    for (char c : text)
        quoted += c == quote ? std::string(2, quote) : std::string(1, c);
    return quoted + quote;
}

} // namespace

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool SameName(const std::string& a, const std::string& b) {
    return Lower(a) == Lower(b);
}

std::string QuoteName(const std::string& name) {
    return Quote(name, '"');
}

std::string QuoteText(const std::string& text) {
    return Quote(text, '\'');
}

std::string At(size_t offset) {
    return " at character " + std::to_string(offset + 1);
}

} // namespace JetSqlText
