#pragma once
// The conversions the expression evaluator applies between value types: numbers to whole
// numbers and currency, values to text, text to numbers, and 32-bit arithmetic that wraps
// around as the system's integers do.

#include "platform/core/COleCurrency.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZExprConvert {
public:
    // A double as a 32-bit integer: truncated toward zero, clamped to the integer range, and
    // 0 for a value that is not a number. The one rule wherever a whole number is needed.
    static LONG ToInteger(double value);

    // 32-bit arithmetic that wraps around instead of overflowing.
    static LONG WrapAdd(LONG a, LONG b);
    static LONG WrapSubtract(LONG a, LONG b);
    static LONG WrapMultiply(LONG a, LONG b);
    static LONG WrapNegate(LONG a);
    // a to the power n (n at least 2) by repeated multiplication, wrapping.
    static LONG WrapPower(LONG a, LONG n);

    // "%d", "%g" and "$" followed by the currency's text.
    static CString IntegerText(LONG value);
    static CString DoubleText(double value);
    static CString CurrencyText(const COleCurrency& value);

    static COleCurrency FromInteger(LONG value);
    // Rounded to the nearest ten-thousandth; invalid when it does not fit.
    static COleCurrency FromDouble(double value);
    // The amount multiplied (divided) by a double, rounded to the nearest ten-thousandth;
    // invalid when the result does not fit or is not a number.
    static COleCurrency Multiply(const COleCurrency& amount, double factor);
    static COleCurrency Divide(const COleCurrency& amount, double divisor);

    // The characters in reverse order.
    static CString Reversed(const CString& text);

    // Text read as the runtime library's atof and atol read it: leading blanks skipped, one
    // sign, decimal digits (and for a double a fraction and an exponent), stopping at the
    // first character that does not fit; 0 when nothing fits. Integers beyond 32 bits clamp.
    static double ReadDouble(const CString& text);
    static LONG ReadInteger(const CString& text);
};
