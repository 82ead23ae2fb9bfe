#pragma once
// A currency amount: a fixed-point number with four decimals in a 64-bit integer (m_cur.int64
// counts ten-thousandths) and a status. Arithmetic that leaves the 64-bit range makes the
// result invalid.

#include "platform/core/CString.h"
#include "platform/core/OleTypes.h"

class COleVariant;

class COleCurrency {
public:
    enum CurrencyStatus { valid = 0, invalid = 1, null = 2 };

    COleCurrency() = default;
    COleCurrency(CY value) : m_cur(value) {}
    // Whole units and ten-thousandths; the units' sign applies to both (-1, 5000 is -1.5), and
    // with no units the fraction keeps its own sign (0, -5000 is -0.5).
    COleCurrency(LONG units, LONG fractionalUnits);
    // The variant converted to currency; throws COleException when it has no currency form.
    explicit COleCurrency(const COleVariant& value);

    // A double rounded to the nearest ten-thousandth; invalid when it does not fit.
    static COleCurrency FromDouble(double value);
    // The amount as a double.
    double ToDouble() const { return static_cast<double>(m_cur.int64) / 10000.0; }

    CurrencyStatus GetStatus() const { return m_status; }
    void SetStatus(CurrencyStatus status) { m_status = status; }
    void SetCurrency(LONG units, LONG fractionalUnits);
    operator CY() const { return m_cur; }

    COleCurrency& operator=(CY value);
    COleCurrency& operator=(const COleVariant& value);

    // A null operand gives a null result, else an invalid one an invalid result.
    COleCurrency operator+(const COleCurrency& other) const;
    COleCurrency operator-(const COleCurrency& other) const;
    COleCurrency& operator+=(const COleCurrency& other) { return *this = *this + other; }
    COleCurrency& operator-=(const COleCurrency& other) { return *this = *this - other; }
    COleCurrency operator-() const;
    // By a whole number; an operand that is not valid comes back unchanged. Division truncates
    // toward zero; dividing by 0 gives an invalid result.
    COleCurrency operator*(LONG factor) const;
    COleCurrency operator/(LONG divisor) const;
    COleCurrency& operator*=(LONG factor) { return *this = *this * factor; }
    COleCurrency& operator/=(LONG divisor) { return *this = *this / divisor; }

    // Equality compares status and amount; the order compares the amounts.
    bool operator==(const COleCurrency& other) const;
    bool operator!=(const COleCurrency& other) const { return !(*this == other); }
    bool operator<(const COleCurrency& other) const { return m_cur.int64 < other.m_cur.int64; }
    bool operator>(const COleCurrency& other) const { return m_cur.int64 > other.m_cur.int64; }
    bool operator<=(const COleCurrency& other) const { return m_cur.int64 <= other.m_cur.int64; }
    bool operator>=(const COleCurrency& other) const { return m_cur.int64 >= other.m_cur.int64; }

    // Reads "12.5", "-3", "$1,234.56"; more than four decimals round to the nearest. On
    // failure the amount becomes invalid (0 for text that is no number, -0.0001 for one out
    // of range) and FALSE is returned.
    BOOL ParseCurrency(LPCTSTR text, DWORD flags = 0);

    // "1.2", "3", "-0.5": plain digits with the fraction's trailing zeros dropped. Empty when
    // null, "Invalid Currency" when invalid.
    CString Format() const;

    CY m_cur = {0};
    CurrencyStatus m_status = valid;

private:
    static COleCurrency Invalid();
};
