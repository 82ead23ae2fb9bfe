#include "platform/dao/DaoDateText.h"

#include "platform/core/OleDateMath.h"

#include <cctype>
#include <cstdio>

std::string DaoFormatDate(DATE value) {
    MQDateParts parts;
    if (!MQPartsFromDate(value, parts))
        return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", parts.year, parts.month,
                  parts.day, parts.hour, parts.minute, parts.second);
    return buffer;
}

namespace {

// Reads exactly `digits` decimal digits at `pos`.
bool ReadNumber(std::string_view text, size_t& pos, size_t digits, int& out) {
    if (pos + digits > text.size())
        return false;
    out = 0;
    for (size_t i = 0; i < digits; ++i) {
        char c = text[pos + i];
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        out = out * 10 + (c - '0');
    }
    pos += digits;
    return true;
}

bool Expect(std::string_view text, size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

} // namespace

bool DaoParseDate(std::string_view text, DATE& out) {
    size_t pos = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!ReadNumber(text, pos, 4, year) || !Expect(text, pos, '-') ||
        !ReadNumber(text, pos, 2, month) || !Expect(text, pos, '-') ||
        !ReadNumber(text, pos, 2, day))
        return false;
    if (pos < text.size() && (text[pos] == ' ' || text[pos] == 'T')) {
        ++pos;
        if (!ReadNumber(text, pos, 2, hour) || !Expect(text, pos, ':') ||
            !ReadNumber(text, pos, 2, minute))
            return false;
        if (pos < text.size() && text[pos] == ':') {
            ++pos;
            if (!ReadNumber(text, pos, 2, second))
                return false;
            if (pos < text.size() && text[pos] == '.') {
                ++pos;
                while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])))
                    ++pos;
            }
        }
    }
    if (pos != text.size())
        return false;
    return MQDateFromParts(year, month, day, hour, minute, second, out);
}
