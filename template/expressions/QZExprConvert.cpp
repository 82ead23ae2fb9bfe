#include "template/expressions/QZExprConvert.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

LONG QZExprConvert::ToInteger(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<LONG>(value);
}

LONG QZExprConvert::WrapAdd(LONG a, LONG b) {
    return static_cast<LONG>(static_cast<ULONG>(a) + static_cast<ULONG>(b));
}

LONG QZExprConvert::WrapSubtract(LONG a, LONG b) {
    return static_cast<LONG>(static_cast<ULONG>(a) - static_cast<ULONG>(b));
}

LONG QZExprConvert::WrapMultiply(LONG a, LONG b) {
    return static_cast<LONG>(static_cast<ULONG>(a) * static_cast<ULONG>(b));
}

LONG QZExprConvert::WrapNegate(LONG a) {
    return static_cast<LONG>(0u - static_cast<ULONG>(a));
}

LONG QZExprConvert::WrapPower(LONG a, LONG n) {
    // Squaring gives the same result as n - 1 multiplications in wrapping arithmetic, without
    // taking time in proportion to the exponent.
    ULONG base = static_cast<ULONG>(a);
    ULONG result = 1;
    for (ULONG e = static_cast<ULONG>(n); e != 0; e >>= 1) {
        if (e & 1)
            result *= base;
        base *= base;
    }
    return static_cast<LONG>(result);
}

CString QZExprConvert::IntegerText(LONG value) {
    CString text;
    text.Format("%d", value);
    return text;
}

CString QZExprConvert::DoubleText(double value) {
    CString text;
    text.Format("%g", value);
    return text;
}

CString QZExprConvert::CurrencyText(const COleCurrency& value) {
    return "$" + value.Format();
}

COleCurrency QZExprConvert::FromInteger(LONG value) {
    return COleCurrency(value, 0);
}

COleCurrency QZExprConvert::FromDouble(double value) {
    return COleCurrency::FromDouble(value);
}

namespace {

// Ten-thousandths rounded to the nearest, half away from zero; invalid beyond 64 bits.
COleCurrency FromScaled(long double scaled) {
    COleCurrency result;
    long double rounded = std::round(scaled);
    if (!std::isfinite(rounded) || rounded >= 9223372036854775807.0L ||
        rounded < -9223372036854775808.0L) {
        result.SetStatus(COleCurrency::invalid);
        return result;
    }
    result.m_cur.int64 = static_cast<int64_t>(rounded);
    return result;
}

} // namespace

COleCurrency QZExprConvert::Multiply(const COleCurrency& amount, double factor) {
    if (amount.GetStatus() != COleCurrency::valid)
        return amount;
    return FromScaled(static_cast<long double>(amount.m_cur.int64) * factor);
}

COleCurrency QZExprConvert::Divide(const COleCurrency& amount, double divisor) {
    if (amount.GetStatus() != COleCurrency::valid)
        return amount;
    return FromScaled(static_cast<long double>(amount.m_cur.int64) / divisor);
}

CString QZExprConvert::Reversed(const CString& text) {
    CString result = text;
    result.MakeReverse();
    return result;
}

namespace {

int SkipBlanks(const char* text, int i) {
    while (text[i] != 0 && std::isspace(static_cast<unsigned char>(text[i])))
        i++;
    return i;
}

int SkipDigits(const char* text, int i) {
    while (std::isdigit(static_cast<unsigned char>(text[i])))
        i++;
    return i;
}

// The length of the leading decimal number (sign, digits, fraction, exponent) from `start`.
int DecimalLength(const char* text, int start) {
    int i = start;
    if (text[i] == '+' || text[i] == '-')
        i++;
    int digitsStart = i;
    i = SkipDigits(text, i);
    int digits = i - digitsStart;
    if (text[i] == '.') {
        int fractionStart = i + 1;
        int end = SkipDigits(text, fractionStart);
        digits += end - fractionStart;
        i = end;
    }
    if (digits == 0)
        return 0;
    if (text[i] == 'e' || text[i] == 'E') {
        int j = i + 1;
        if (text[j] == '+' || text[j] == '-')
            j++;
        int end = SkipDigits(text, j);
        if (end > j)
            i = end;
    }
    return i - start;
}

} // namespace

double QZExprConvert::ReadDouble(const CString& text) {
    const char* chars = text;
    int start = SkipBlanks(chars, 0);
    int length = DecimalLength(chars, start);
    if (length == 0)
        return 0.0;
    // Only the decimal prefix is converted, in the C locale, so that hexadecimal numbers,
    // "inf" and "nan" read as the runtime library of the system reads them: not at all.
    static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    std::string prefix(chars + start, length);
    return strtod_l(prefix.c_str(), nullptr, cLocale);
}

LONG QZExprConvert::ReadInteger(const CString& text) {
    const char* chars = text;
    int i = SkipBlanks(chars, 0);
    bool negative = chars[i] == '-';
    if (chars[i] == '+' || chars[i] == '-')
        i++;
    long long value = 0;
    for (; std::isdigit(static_cast<unsigned char>(chars[i])); i++) {
        if (value <= INT64_C(1) << 40)
            value = value * 10 + (chars[i] - '0');
    }
    value = negative ? -value : value;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<LONG>(value);
}
