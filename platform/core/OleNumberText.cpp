#include "platform/core/OleNumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr long kExponentLimit = 100000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* SkipBlanks(const char* s) {
    while (std::isspace(static_cast<unsigned char>(*s)))
        ++s;
    return s;
}

// Reads the sign and the dollar sign in either order.
const char* ReadPrefix(const char* s, bool& negative) {
    bool signSeen = false;
    bool dollarSeen = false;
    for (;;) {
        s = SkipBlanks(s);
        if (!signSeen && (*s == '+' || *s == '-')) {
            negative = *s == '-';
            signSeen = true;
        } else if (!dollarSeen && *s == '$') {
            dollarSeen = true;
        } else {
            return s;
        }
        ++s;
    }
}

// Reads the digits, commas and point; returns nullptr when there is no digit.
const char* ReadMantissa(const char* s, MQDecimalText& out) {
    bool anyDigit = false;
    for (; IsDigit(*s) || (*s == ',' && anyDigit); ++s) {
        if (*s == ',')
            continue;
        anyDigit = true;
        if (!out.digits.empty() || *s != '0')
            out.digits += *s;
    }
    out.pointPos = static_cast<long>(out.digits.size());
    if (*s == '.') {
        for (++s; IsDigit(*s); ++s) {
            anyDigit = true;
            if (out.digits.empty() && *s == '0')
                --out.pointPos;
            else
                out.digits += *s;
        }
    }
    return anyDigit ? s : nullptr;
}

const char* ReadExponent(const char* s, long& exponent) {
    if (*s != 'e' && *s != 'E')
        return s;
    const char* p = s + 1;
    bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    if (!IsDigit(*p))
        return nullptr;
    for (; IsDigit(*p); ++p)
        if (exponent < kExponentLimit)
            exponent = exponent * 10 + (*p - '0');
    if (negative)
        exponent = -exponent;
    return p;
}

} // namespace

bool MQReadDecimalText(const char* text, MQDecimalText& out) {
    out = MQDecimalText();
    if (!text)
        return false;
    const char* s = ReadPrefix(text, out.negative);
    s = ReadMantissa(s, out);
    long exponent = 0;
    if (s)
        s = ReadExponent(s, exponent);
    if (!s || *SkipBlanks(s) != '\0')
        return false;
    while (!out.digits.empty() && out.digits.back() == '0')
        out.digits.pop_back();
    out.pointPos = out.digits.empty() ? 0 : out.pointPos + exponent;
    return true;
}

double MQDecimalToDouble(const MQDecimalText& number) {
    if (number.digits.empty())
        return 0.0;
    std::string text = "0." + number.digits + "e" + std::to_string(number.pointPos);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = number.pointPos > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return number.negative ? -value : value;
}

SCODE MQDecimalToCurrency(const MQDecimalText& number, int64_t& out) {
    const uint64_t limit = number.negative ? uint64_t(1) << 63 : (uint64_t(1) << 63) - 1;
    const long scaledPoint = number.pointPos + 4;
    const long count = static_cast<long>(number.digits.size());
    uint64_t value = 0;
    for (long i = 0; i < scaledPoint && count > 0; ++i) {
        uint64_t digit = i < count ? uint64_t(number.digits[i] - '0') : 0;
        if (value > (limit - digit) / 10)
            return DISP_E_OVERFLOW;
        value = value * 10 + digit;
    }
    if (scaledPoint >= 0 && scaledPoint < count && number.digits[scaledPoint] >= '5') {
        if (value == limit)
            return DISP_E_OVERFLOW;
        ++value;
    }
    out = number.negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
    return S_OK;
}

bool MQCurrencyFromDouble(double value, int64_t& out) {
    if (!std::isfinite(value))
        return false;
    char text[64];
    auto [end, error] = std::to_chars(text, text + sizeof text - 1, value);
    if (error != std::errc())
        return false;
    *end = '\0';
    MQDecimalText number;
    return MQReadDecimalText(text, number) && MQDecimalToCurrency(number, out) == S_OK;
}

std::string MQCurrencyText(int64_t value) {
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : value;
    char text[48];
    int length = std::snprintf(text, sizeof text, "%s%llu", value < 0 ? "-" : "",
                               static_cast<unsigned long long>(magnitude / 10000));
    unsigned fraction = static_cast<unsigned>(magnitude % 10000);
    if (fraction != 0) {
        std::snprintf(text + length, sizeof text - length, ".%04u", fraction);
        std::string result = text;
        while (result.back() == '0')
            result.pop_back();
        return result;
    }
    return text;
}

std::string MQDoubleText(double value, int precision) {
    if (value == 0)
        return "0";
    char text[64];
    auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision);
    if (error != std::errc())
        return "0";
    std::string result(text, end);
    for (char& c : result)
        if (c == 'e')
            c = 'E';
    return result;
}
