#pragma once
// A value of one of the variant types that the databases bind and the template language passes
// around: empty, null, 16- and 32-bit integers, byte, boolean, float, double, currency, date,
// text (8-bit, kept in bstrVal) and error codes. `vt` says which value member holds the value.

#include "platform/core/COleCurrency.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/core/OleTypes.h"

class COleVariant {
public:
    COleVariant() = default;
    COleVariant(const COleVariant& other) = default;
    COleVariant(LPCTSTR text);
    COleVariant(const CString& text);
    COleVariant(BYTE value);
    // VT_I2, or VT_BOOL (any non-zero value is VARIANT_TRUE).
    COleVariant(short value, VARTYPE type = VT_I2);
    // VT_I4, VT_BOOL (any non-zero value is VARIANT_TRUE) or VT_ERROR.
    COleVariant(LONG value, VARTYPE type = VT_I4);
    COleVariant(float value);
    COleVariant(double value);
    COleVariant(const COleCurrency& value);
    COleVariant(const COleDateTime& value);

    COleVariant& operator=(const COleVariant& other) = default;
    COleVariant& operator=(LPCTSTR text);
    COleVariant& operator=(const CString& text);
    COleVariant& operator=(BYTE value);
    COleVariant& operator=(short value);
    COleVariant& operator=(LONG value);
    COleVariant& operator=(float value);
    COleVariant& operator=(double value);
    COleVariant& operator=(const COleCurrency& value);
    COleVariant& operator=(const COleDateTime& value);

    // Makes the variant empty.
    void Clear();

    // Converts `source` (this variant when null) to `type` and stores the result here, by the
    // conversion rules of the variant types: numbers round to integers half to even, text is
    // read as a number, date or currency, null converts to nothing but null or empty. Throws
    // COleException (type mismatch or overflow) and leaves the variant as it was on failure.
    void ChangeType(VARTYPE type, const COleVariant* source = nullptr);

    // Equal when both type and value are equal.
    bool operator==(const COleVariant& other) const;
    bool operator!=(const COleVariant& other) const { return !(*this == other); }

    VARTYPE vt = VT_EMPTY;
    union {
        LONG lVal;
        SHORT iVal;
        BYTE bVal;
        VARIANT_BOOL boolVal;
        float fltVal;
        double dblVal;
        DATE date;
        CY cyVal{0};
        SCODE scode;
    };
    CString bstrVal;

private:
    void SetNumeric(VARTYPE type);
};
