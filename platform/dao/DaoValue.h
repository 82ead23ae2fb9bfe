#pragma once
// One value as the engine stores it: Null, a 64-bit integer, a real or a text (dates are text
// in ISO-8601 form). Rows, parameters and cached field values are held in this form.

#include <cstdint>
#include <string>

class DaoValue {
public:
    enum class Kind { Null, Integer, Real, Text };

    DaoValue() = default;
    static DaoValue Integer(int64_t value);
    static DaoValue Real(double value);
    static DaoValue Text(std::string value);

    Kind kind() const { return m_kind; }
    bool IsNull() const { return m_kind == Kind::Null; }
    // The value as a number: a text that is no number gives 0, Null gives 0.
    int64_t AsInteger() const;
    double AsReal() const;
    // The value as text: numbers in their shortest exact form, Null as "".
    std::string AsText() const;
    const std::string& text() const { return m_text; }

    friend bool operator==(const DaoValue& a, const DaoValue& b);

private:
    Kind m_kind = Kind::Null;
    int64_t m_integer = 0;
    double m_real = 0;
    std::string m_text;
};
