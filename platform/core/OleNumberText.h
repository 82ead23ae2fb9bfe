#pragma once
// Numbers as text for the variant and currency conversions: reading decimal text exactly (so
// that currency amounts are not bent by binary fractions) and writing numbers the way the
// original's conversions wrote them. Independent of the process locale.

#include "platform/core/OleTypes.h"

#include <cstdint>
#include <string>

// A decimal number read from text: its significant digits and where the point stands among
// them (pointPos digits before it; negative or beyond the digits when the exponent says so).
struct MQDecimalText {
    bool negative = false;
    std::string digits;
    long pointPos = 0;
};

// Reads "  -$1,234.5e2 " and the like: blanks around, a sign, a dollar sign, thousands commas,
// a fraction and an exponent. False when the text is no number.
bool MQReadDecimalText(const char* text, MQDecimalText& out);

// The nearest double; an infinity when the number is beyond the double range.
double MQDecimalToDouble(const MQDecimalText& number);

// The number in ten-thousandths, rounded to the nearest (halves away from zero); S_OK or
// DISP_E_OVERFLOW.
SCODE MQDecimalToCurrency(const MQDecimalText& number, int64_t& out);

// A double in ten-thousandths, rounded to the nearest as its shortest decimal text reads
// (0.29 gives 2900, 1.00005 gives 10001); false when it does not fit.
bool MQCurrencyFromDouble(double value, int64_t& out);

// "1.2", "-3", "0.0001": the amount with the fraction's trailing zeros dropped.
std::string MQCurrencyText(int64_t value);

// The double with `precision` significant digits, as "%G" writes it ("0.1", "1E+20").
std::string MQDoubleText(double value, int precision);
