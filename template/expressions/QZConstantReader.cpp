#include "template/expressions/QZConstantReader.h"

#include <cctype>
#include <cstdint>

namespace {
constexpr LONG kSaturation = 1000000000;
}

LONG QZConstantReader::Saturate(LONG value, int digit) {
    if (value >= kSaturation / 10)
        return kSaturation;
    return value * 10 + digit;
}

QZDateSpan QZConstantReader::SpanFromText(std::string_view text) {
    LONG years = 0, months = 0, days = 0, hours = 0, minutes = 0, seconds = 0;
    LONG number = 0;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number = Saturate(number, c - '0');
            continue;
        }
        switch (c) {
        case 'y':
            years = number;
            break;
        case 'm':
            months = number;
            break;
        case 'd':
            days = number;
            break;
        case 'h':
            hours = number;
            break;
        case 'n':
            minutes = number;
            break;
        case 's':
            seconds = number;
            break;
        default:
            break;
        }
        number = 0;
    }
    return QZDateSpan(days, hours, minutes, seconds, months, years);
}

COleCurrency QZConstantReader::CurrencyFromText(std::string_view text) {
    COleCurrency result;
    int64_t units = 0;
    size_t i = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); i++) {
        if (units > (INT64_MAX / 10000 - 9) / 10) {
            result.SetStatus(COleCurrency::invalid);
            return result;
        }
        units = units * 10 + (text[i] - '0');
    }
    int64_t fraction = 0;
    int scale = 1000;
    bool roundUp = false;
    if (i < text.size() && text[i] == '.') {
        for (i++; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); i++) {
            if (scale > 0)
                fraction += int64_t(text[i] - '0') * scale;
            else if (scale == 0)
                roundUp = text[i] >= '5';
            scale = scale > 0 ? scale / 10 : -1;
        }
    }
    result.m_cur.int64 = units * 10000 + fraction + (roundUp ? 1 : 0);
    return result;
}

COleDateTime QZConstantReader::DateFromParts(const DateParts& parts) {
    if (parts.month == 0) {
        COleDateTime now = COleDateTime::GetCurrentTime();
        return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), parts.hour, parts.minute,
                            parts.second);
    }
    int year = parts.year;
    if (!parts.hasYear)
        year = COleDateTime::GetCurrentTime().GetYear();
    else if (year == 0)
        year = 2000;
    else if (year < 100)
        year += 1900;
    return COleDateTime(year, parts.month, parts.day, parts.hour, parts.minute, parts.second);
}
