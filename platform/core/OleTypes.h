#pragma once
// The small types and constants of variants, dates and currencies, with the original's numbers
// (databases store them and the template language compares them).

#include "platform/core/Types.h"

using VARTYPE = unsigned short;
using VARIANT_BOOL = short;
using SCODE = int32_t;

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// A currency amount: a 64-bit count of ten-thousandths of a unit.
struct CY {
    int64_t int64;
};
using CURRENCY = CY;

// Variant types.
constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_NULL = 1;
constexpr VARTYPE VT_I2 = 2;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_R4 = 4;
constexpr VARTYPE VT_R8 = 5;
constexpr VARTYPE VT_CY = 6;
constexpr VARTYPE VT_DATE = 7;
constexpr VARTYPE VT_BSTR = 8;
constexpr VARTYPE VT_ERROR = 10;
constexpr VARTYPE VT_BOOL = 11;
constexpr VARTYPE VT_UI1 = 17;

// Flags of date parsing.
constexpr DWORD VAR_TIMEVALUEONLY = 0x00000001;
constexpr DWORD VAR_DATEVALUEONLY = 0x00000002;

// Results of conversions.
constexpr SCODE S_OK = 0;
constexpr SCODE DISP_E_TYPEMISMATCH = static_cast<SCODE>(0x80020005u);
constexpr SCODE DISP_E_BADVARTYPE = static_cast<SCODE>(0x80020008u);
constexpr SCODE DISP_E_OVERFLOW = static_cast<SCODE>(0x8002000Au);
