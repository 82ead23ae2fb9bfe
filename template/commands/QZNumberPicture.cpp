#include "template/commands/QZNumberPicture.h"

#include "platform/core/COleCurrency.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsPlaceholder(char c) {
    return c == '#' || c == '0' || c == '@';
}
} // namespace

CString QZNumberPicture::Format(double value, const CString& picture) {
    return Apply(DigitsOf(value), picture.str());
}

CString QZNumberPicture::Format(const COleCurrency& value, const CString& picture) {
    return Apply(DigitsOf(value), picture.str());
}

std::string QZNumberPicture::DigitsOf(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    if (value == 0)
        value = 0; // no "-0"
    // The fixed form of the largest double has 309 digits; of the smallest, about 330.
    char text[512];
    auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    std::string digits(text, end);
    size_t point = digits.find('.');
    if (point == std::string::npos)
        return digits;
    if (std::fabs(value - std::trunc(value)) <= 1e-5)
        digits.erase(point);
    return digits;
}

std::string QZNumberPicture::DigitsOf(const COleCurrency& value) {
    int64_t count = value.m_cur.int64;
    uint64_t magnitude = count < 0 ? 0 - static_cast<uint64_t>(count) : count;
    std::string digits = count < 0 ? "-" : "";
    digits += std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (!fraction.empty())
        digits += "." + fraction;
    return digits;
}

bool QZNumberPicture::IsRunCharacter(char c) {
    return IsPlaceholder(c) || c == ',';
}

CString QZNumberPicture::Apply(const std::string& digits, const std::string& picture) {
    size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    enum { LITERAL, RUN, AFTER_RUN, FRACTION } state = LITERAL;
    std::string out;
    size_t runStart = 0;
    size_t next = 0;
    size_t i = 0;
    for (;;) {
        bool end = i >= picture.size();
        char c = end ? 0 : picture[i];
        switch (state) {
        case LITERAL:
            if (end)
                return CString(out);
            if (IsRunCharacter(c)) {
                runStart = i;
                state = RUN;
            } else {
                out += c;
            }
            i++;
            break;
        case RUN:
            if (!end && IsRunCharacter(c)) {
                i++;
                break;
            }
            // The character that ended the run is taken by the after-run state.
            out += ApplyRun(whole, picture.substr(runStart, i - runStart));
            state = AFTER_RUN;
            break;
        case AFTER_RUN:
            if (end)
                return CString(out);
            out += c;
            if (c == '.') {
                next = 0;
                state = FRACTION;
            } else {
                state = LITERAL;
            }
            i++;
            break;
        case FRACTION:
            if (end)
                return CString(out);
            if (c == '#') {
                if (next < fraction.size())
                    out += fraction[next++];
            } else if (c == '0') {
                out += next < fraction.size() ? fraction[next++] : '0';
            } else {
                out += c;
                state = LITERAL;
            }
            i++;
            break;
        }
    }
}

std::string QZNumberPicture::ApplyRun(const std::string& wholeDigits, const std::string& run) {
    // Both are walked from the right: the units digit meets the rightmost placeholder.
    std::string digits(wholeDigits.rbegin(), wholeDigits.rend());
    std::string places(run.rbegin(), run.rend());
    std::string built;
    size_t next = 0;
    bool placed = false;   // a placeholder has been handled
    bool grouping = false; // a comma stands between placeholders
    int sinceComma = 0;    // digits written since the last comma written
    for (size_t k = 0; k < places.size(); k++) {
        char p = places[k];
        if (IsPlaceholder(p)) {
            placed = true;
            if (next < digits.size()) {
                sinceComma += IsDigit(digits[next]);
                built += digits[next++];
            } else if (p != '#') {
                built += p == '0' ? '0' : ' ';
            }
            continue;
        }
        // A comma.
        if (!placed) {
            next = std::min(next + 3, digits.size());
            continue;
        }
        grouping = grouping || places.find_first_of("#0@", k + 1) != std::string::npos;
        // Only between digits: a number shorter than the picture gets no leading comma.
        bool digitFollows = next < digits.size() && IsDigit(digits[next]);
        if (digitFollows || places.find('0', k + 1) != std::string::npos) {
            built += ',';
            sinceComma = 0;
        }
    }
    // Digits the run had no room for are all written, grouped in threes when the run groups.
    while (next < digits.size()) {
        char d = digits[next++];
        if (grouping && sinceComma >= 3 && IsDigit(d)) {
            built += ',';
            sinceComma = 0;
        }
        sinceComma += IsDigit(d);
        built += d;
    }
    return std::string(built.rbegin(), built.rend());
}
