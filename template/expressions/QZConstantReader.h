#pragma once
// Turns the source text of the expression language's constants into values: date spans such
// as 1y6m2d12h30n15s, currency amounts such as $1.20, and dates from the parts between "#".

#include "platform/core/COleCurrency.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/Types.h"
#include "template/values/QZDateSpan.h"

#include <string_view>

class QZConstantReader {
public:
    // The parts of a date constant as the lexer read them; a month of 0 means no date part.
    struct DateParts {
        int year = 0;
        bool hasYear = false;
        int month = 0;
        int day = 0;
        int hour = 0;
        int minute = 0;
        int second = 0;
    };

    // Numbers each followed by a unit letter (y, m, d, h, n, s; lower case only). A letter that
    // is no unit drops its number, a number without a unit is dropped, and a unit given twice
    // keeps its last number.
    static QZDateSpan SpanFromText(std::string_view text);
    // Digits, optionally "." and digits (the text after "$"): exact to the ten-thousandth, a
    // fifth decimal rounding half away from zero; invalid when the units do not fit.
    static COleCurrency CurrencyFromText(std::string_view text);
    // A date from its parts: a missing year is the current one, year 0 is 2000 and years 1
    // to 99 are in the 1900s; without a month the time is on today's date. Parts out of range
    // give an invalid date.
    static COleDateTime DateFromParts(const DateParts& parts);
    // A number of digits, saturating far beyond any date part or span amount.
    static LONG Saturate(LONG value, int digit);
};
