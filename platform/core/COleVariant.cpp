#include "platform/core/COleVariant.h"

#include "platform/core/COleException.h"
#include "platform/core/OleDateText.h"
#include "platform/core/OleNumberText.h"

#include <cfloat>
#include <cmath>
#include <string>

namespace {

// A numeric variant's value: an integer, a count of ten-thousandths, or a real number.
struct Number {
    enum Kind { Integer, Currency, Real } kind = Integer;
    int64_t i = 0;
    double d = 0;
};

bool IsKnownType(VARTYPE type) {
    switch (type) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_BSTR:
    case VT_ERROR:
    case VT_BOOL:
    case VT_UI1:
        return true;
    default:
        return false;
    }
}

Number NumberOf(const COleVariant& v) {
    switch (v.vt) {
    case VT_I2:
        return {Number::Integer, v.iVal};
    case VT_I4:
        return {Number::Integer, v.lVal};
    case VT_UI1:
        return {Number::Integer, v.bVal};
    case VT_BOOL:
        return {Number::Integer, v.boolVal};
    case VT_R4:
        return {Number::Real, 0, v.fltVal};
    case VT_R8:
        return {Number::Real, 0, v.dblVal};
    case VT_DATE:
        return {Number::Real, 0, v.date};
    case VT_CY:
        return {Number::Currency, v.cyVal.int64};
    default:
        return {}; // empty
    }
}

double RealOf(const Number& n) {
    if (n.kind == Number::Integer)
        return static_cast<double>(n.i);
    if (n.kind == Number::Currency)
        return static_cast<double>(n.i) / 10000.0;
    return n.d;
}

bool IsNonZero(const Number& n) {
    return n.kind == Number::Real ? n.d != 0 : n.i != 0;
}

// The whole number nearest to `n`, halves to the even neighbour.
SCODE IntegerOf(const Number& n, int64_t& out) {
    if (n.kind == Number::Integer) {
        out = n.i;
    } else if (n.kind == Number::Currency) {
        int64_t whole = n.i / 10000;
        int64_t rest = n.i % 10000;
        int64_t half = rest < 0 ? -rest : rest;
        if (half > 5000 || (half == 5000 && whole % 2 != 0))
            whole += rest < 0 ? -1 : 1;
        out = whole;
    } else {
        if (!std::isfinite(n.d) || std::fabs(n.d) >= 9.2e18)
            return DISP_E_OVERFLOW;
        out = static_cast<int64_t>(std::nearbyint(n.d));
    }
    return S_OK;
}

SCODE IntegerInRange(const Number& n, int64_t low, int64_t high, int64_t& out) {
    SCODE sc = IntegerOf(n, out);
    if (sc == S_OK && (out < low || out > high))
        sc = DISP_E_OVERFLOW;
    return sc;
}

SCODE FromNumber(const Number& n, VARTYPE type, COleVariant& result) {
    int64_t whole = 0;
    SCODE sc = S_OK;
    result.vt = type;
    switch (type) {
    case VT_I2:
        sc = IntegerInRange(n, -32768, 32767, whole);
        result.iVal = static_cast<SHORT>(whole);
        break;
    case VT_I4:
        sc = IntegerInRange(n, INT32_MIN, INT32_MAX, whole);
        result.lVal = static_cast<LONG>(whole);
        break;
    case VT_UI1:
        sc = IntegerInRange(n, 0, 255, whole);
        result.bVal = static_cast<BYTE>(whole);
        break;
    case VT_BOOL:
        result.boolVal = IsNonZero(n) ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_R4:
        result.fltVal = static_cast<float>(RealOf(n));
        if (std::isfinite(RealOf(n)) && std::fabs(RealOf(n)) > FLT_MAX)
            sc = DISP_E_OVERFLOW;
        break;
    case VT_R8:
        result.dblVal = RealOf(n);
        break;
    case VT_DATE:
        result.date = RealOf(n);
        if (!MQIsLinearInRange(MQLinearFromDate(result.date)))
            sc = DISP_E_OVERFLOW;
        break;
    case VT_CY:
        if (n.kind == Number::Currency)
            result.cyVal.int64 = n.i;
        else if (n.kind == Number::Integer && std::llabs(n.i) < INT64_MAX / 10000)
            result.cyVal.int64 = n.i * 10000;
        else if (!MQCurrencyFromDouble(RealOf(n), result.cyVal.int64))
            sc = DISP_E_OVERFLOW;
        break;
    default:
        sc = DISP_E_TYPEMISMATCH;
        break;
    }
    return sc;
}

SCODE TextOf(const COleVariant& v, CString& out) {
    switch (v.vt) {
    case VT_EMPTY:
        out.Empty();
        return S_OK;
    case VT_BSTR:
        out = v.bstrVal;
        return S_OK;
    case VT_I2:
    case VT_I4:
    case VT_UI1:
    case VT_BOOL:
        out = CString(std::to_string(NumberOf(v).i));
        return S_OK;
    case VT_R4:
        out = CString(MQDoubleText(v.fltVal, 7));
        return S_OK;
    case VT_R8:
        out = CString(MQDoubleText(v.dblVal, 15));
        return S_OK;
    case VT_CY:
        out = CString(MQCurrencyText(v.cyVal.int64));
        return S_OK;
    case VT_DATE: {
        std::string text = MQDefaultDateText(v.date);
        if (text.empty())
            return DISP_E_OVERFLOW;
        out = CString(text);
        return S_OK;
    }
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

bool IsWord(const CString& text, const char* word) {
    CString trimmed = text;
    trimmed.Trim();
    return trimmed.CompareNoCase(word) == 0;
}

SCODE FromText(const CString& text, VARTYPE type, COleVariant& result) {
    if (type == VT_DATE) {
        result.vt = VT_DATE;
        return MQParseDateText(text, 0, result.date);
    }
    if (type == VT_BOOL && (IsWord(text, "true") || IsWord(text, "false"))) {
        result.vt = VT_BOOL;
        result.boolVal = IsWord(text, "true") ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    MQDecimalText number;
    if (!MQReadDecimalText(text, number))
        return DISP_E_TYPEMISMATCH;
    if (type == VT_CY) {
        result.vt = VT_CY;
        return MQDecimalToCurrency(number, result.cyVal.int64);
    }
    double value = MQDecimalToDouble(number);
    if (!std::isfinite(value))
        return DISP_E_OVERFLOW;
    return FromNumber({Number::Real, 0, value}, type, result);
}

SCODE Convert(const COleVariant& source, VARTYPE type, COleVariant& result) {
    if (!IsKnownType(type) || !IsKnownType(source.vt))
        return DISP_E_BADVARTYPE;
    if (type == VT_EMPTY)
        return S_OK;
    if (type == VT_NULL || source.vt == VT_NULL) {
        bool ok = type == VT_NULL && (source.vt == VT_NULL || source.vt == VT_EMPTY);
        result.vt = VT_NULL;
        return ok ? S_OK : DISP_E_TYPEMISMATCH;
    }
    if (type == VT_ERROR || source.vt == VT_ERROR) {
        if (type != VT_ERROR || source.vt != VT_ERROR)
            return DISP_E_TYPEMISMATCH;
        result = source;
        return S_OK;
    }
    if (type == VT_BSTR) {
        result.vt = VT_BSTR;
        return TextOf(source, result.bstrVal);
    }
    if (source.vt == VT_BSTR)
        return FromText(source.bstrVal, type, result);
    return FromNumber(NumberOf(source), type, result);
}

} // namespace

COleVariant::COleVariant(LPCTSTR text) {
    *this = text;
}

COleVariant::COleVariant(const CString& text) {
    *this = text;
}

COleVariant::COleVariant(BYTE value) {
    *this = value;
}

COleVariant::COleVariant(short value, VARTYPE type) {
    vt = type == VT_BOOL ? VT_BOOL : VT_I2;
    *this = value;
}

COleVariant::COleVariant(LONG value, VARTYPE type) {
    vt = (type == VT_BOOL || type == VT_ERROR) ? type : VT_I4;
    *this = value;
}

COleVariant::COleVariant(float value) {
    *this = value;
}

COleVariant::COleVariant(double value) {
    *this = value;
}

COleVariant::COleVariant(const COleCurrency& value) {
    *this = value;
}

COleVariant::COleVariant(const COleDateTime& value) {
    *this = value;
}

void COleVariant::Clear() {
    vt = VT_EMPTY;
    cyVal.int64 = 0;
    bstrVal.Empty();
}

void COleVariant::SetNumeric(VARTYPE type) {
    Clear();
    vt = type;
}

COleVariant& COleVariant::operator=(LPCTSTR text) {
    SetNumeric(VT_BSTR);
    bstrVal = text ? text : "";
    return *this;
}

COleVariant& COleVariant::operator=(const CString& text) {
    SetNumeric(VT_BSTR);
    bstrVal = text;
    return *this;
}

COleVariant& COleVariant::operator=(BYTE value) {
    SetNumeric(VT_UI1);
    bVal = value;
    return *this;
}

// A boolean variant stays boolean, as the original's assignment kept it.
COleVariant& COleVariant::operator=(short value) {
    if (vt == VT_BOOL) {
        boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        return *this;
    }
    SetNumeric(VT_I2);
    iVal = value;
    return *this;
}

// A boolean or error variant keeps its type, as the original's assignment kept it.
COleVariant& COleVariant::operator=(LONG value) {
    if (vt == VT_BOOL) {
        boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vt == VT_ERROR) {
        scode = value;
    } else {
        SetNumeric(VT_I4);
        lVal = value;
    }
    return *this;
}

COleVariant& COleVariant::operator=(float value) {
    SetNumeric(VT_R4);
    fltVal = value;
    return *this;
}

COleVariant& COleVariant::operator=(double value) {
    SetNumeric(VT_R8);
    dblVal = value;
    return *this;
}

COleVariant& COleVariant::operator=(const COleCurrency& value) {
    SetNumeric(VT_CY);
    cyVal = value.m_cur;
    return *this;
}

COleVariant& COleVariant::operator=(const COleDateTime& value) {
    SetNumeric(VT_DATE);
    date = value.m_dt;
    return *this;
}

void COleVariant::ChangeType(VARTYPE type, const COleVariant* source) {
    if (!source)
        source = this;
    if (source == this && type == vt)
        return;
    COleVariant result;
    SCODE sc = Convert(*source, type, result);
    if (sc != S_OK)
        AfxThrowOleException(sc);
    *this = result;
}

bool COleVariant::operator==(const COleVariant& other) const {
    if (vt != other.vt)
        return false;
    switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_I2:
        return iVal == other.iVal;
    case VT_I4:
        return lVal == other.lVal;
    case VT_UI1:
        return bVal == other.bVal;
    case VT_BOOL:
        return boolVal == other.boolVal;
    case VT_R4:
        return fltVal == other.fltVal;
    case VT_R8:
        return dblVal == other.dblVal;
    case VT_DATE:
        return date == other.date;
    case VT_CY:
        return cyVal.int64 == other.cyVal.int64;
    case VT_BSTR:
        return bstrVal == other.bstrVal;
    case VT_ERROR:
        return scode == other.scode;
    default:
        return false;
    }
}
