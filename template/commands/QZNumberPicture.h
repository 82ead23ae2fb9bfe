#pragma once
// The number pictures of the print command ("#,##0.00", "(#)", "0.0" ...): the digits of a
// value, and the walk of a picture that places them. "#" writes a digit if one is left, "0"
// a digit or "0", "@" a digit or a space; a comma between placeholders groups digits, one right
// of every placeholder drops three digits (divides by 1000); "." starts the fraction. Digits
// are cut, never rounded; any other character is copied.

#include "platform/core/CString.h"

#include <string>

class COleCurrency;

class QZNumberPicture {
public:
    static CString Format(double value, const CString& picture);
    static CString Format(const COleCurrency& value, const CString& picture);

    // The digit text of a value: its whole part with its sign, then "." and the fraction
    // digits when the fraction is above 0.00001. The digits are those of the shortest decimal
    // text that reads back as the same double.
    static std::string DigitsOf(double value);
    // The exact four-decimal digits of a currency amount, trailing zeros of the fraction dropped.
    static std::string DigitsOf(const COleCurrency& value);
    // Places a digit text by a picture.
    static CString Apply(const std::string& digits, const std::string& picture);

private:
    static bool IsRunCharacter(char c);
    // Places the whole-part digits by one run of "#", "0", "@" and ",".
    static std::string ApplyRun(const std::string& wholeDigits, const std::string& run);
};
