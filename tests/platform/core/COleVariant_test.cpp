#include "platform/core/COleException.h"
#include "platform/core/COleVariant.h"

#include <gtest/gtest.h>

#include <string>

namespace {

COleVariant I2(short value) {
    return COleVariant(value);
}
COleVariant I4(LONG value) {
    return COleVariant(value);
}
COleVariant UI1(BYTE value) {
    return COleVariant(value);
}
COleVariant Bool(bool value) {
    return COleVariant(LONG(value), VT_BOOL);
}
COleVariant R4(float value) {
    return COleVariant(value);
}
COleVariant R8(double value) {
    return COleVariant(value);
}
COleVariant Cy(int64_t tenThousandths) {
    return COleVariant(COleCurrency(CY{tenThousandths}));
}
COleVariant Date(double value) {
    return COleVariant(COleDateTime(value));
}
COleVariant Str(const char* text) {
    return COleVariant(text);
}
COleVariant Empty() {
    return COleVariant();
}
COleVariant Null() {
    COleVariant v;
    v.vt = VT_NULL;
    return v;
}

// Runs ChangeType and gives the code of the exception it threw, or S_OK.
SCODE Convert(const COleVariant& source, VARTYPE type, COleVariant& result) {
    try {
        result.ChangeType(type, &source);
    } catch (COleException* e) {
        SCODE sc = e->m_sc;
        e->Delete();
        return sc;
    }
    return S_OK;
}

std::string Describe(const COleVariant& v) {
    COleVariant text;
    return "vt " + std::to_string(v.vt) + " " +
           (Convert(v, VT_BSTR, text) == S_OK ? text.bstrVal.str() : std::string("?"));
}

} // namespace

TEST(COleVariant, ConstructorsSetTypeAndValue) {
    EXPECT_EQ(COleVariant().vt, VT_EMPTY);
    EXPECT_EQ(I2(-5).vt, VT_I2);
    EXPECT_EQ(I2(-5).iVal, -5);
    EXPECT_EQ(I4(70000).vt, VT_I4);
    EXPECT_EQ(I4(70000).lVal, 70000);
    EXPECT_EQ(UI1(200).vt, VT_UI1);
    EXPECT_EQ(UI1(200).bVal, 200);
    EXPECT_EQ(COleVariant(short(5), VT_BOOL).boolVal, VARIANT_TRUE);
    EXPECT_EQ(COleVariant(LONG(0), VT_BOOL).boolVal, VARIANT_FALSE);
    EXPECT_EQ(COleVariant(LONG(7), VT_ERROR).scode, 7);
    EXPECT_EQ(R4(2.5f).fltVal, 2.5f);
    EXPECT_EQ(R8(2.5).dblVal, 2.5);
    EXPECT_EQ(Cy(12000).cyVal.int64, 12000);
    EXPECT_EQ(Date(-1.25).date, -1.25);
    EXPECT_EQ(Date(-1.25).vt, VT_DATE);
    EXPECT_EQ(Str("abc").bstrVal, "abc");
    EXPECT_EQ(COleVariant(CString("xyz")).vt, VT_BSTR);
    EXPECT_EQ(COleVariant(static_cast<LPCTSTR>(nullptr)).bstrVal, "");
}

TEST(COleVariant, ChangeTypeConvertsBetweenTheBoundTypes) {
    struct Case {
        COleVariant source;
        VARTYPE type;
        COleVariant expected;
    } cases[] = {
        // integers
        {I4(7), VT_I2, I2(7)},
        {I4(7), VT_UI1, UI1(7)},
        {I4(7), VT_R8, R8(7.0)},
        {I4(7), VT_R4, R4(7.0f)},
        {I4(7), VT_CY, Cy(70000)},
        {I4(7), VT_BOOL, Bool(true)},
        {I4(0), VT_BOOL, Bool(false)},
        {I4(-42), VT_BSTR, Str("-42")},
        {I4(36233), VT_DATE, Date(36233.0)},
        {I2(-5), VT_I4, I4(-5)},
        {UI1(255), VT_I4, I4(255)},
        {UI1(255), VT_BSTR, Str("255")},
        // booleans are -1 and 0
        {Bool(true), VT_I4, I4(-1)},
        {Bool(true), VT_I2, I2(-1)},
        {Bool(true), VT_R8, R8(-1.0)},
        {Bool(true), VT_BSTR, Str("-1")},
        {Bool(false), VT_BSTR, Str("0")},
        // doubles round half to even
        {R8(2.5), VT_I4, I4(2)},
        {R8(3.5), VT_I4, I4(4)},
        {R8(-2.5), VT_I4, I4(-2)},
        {R8(2.6), VT_I2, I2(3)},
        {R8(0.29), VT_CY, Cy(2900)},
        {R8(1.00005), VT_CY, Cy(10001)},
        {R8(0.1), VT_BSTR, Str("0.1")},
        {R8(2.5), VT_BSTR, Str("2.5")},
        {R8(1e20), VT_BSTR, Str("1E+20")},
        {R8(1.0 / 3), VT_BSTR, Str("0.333333333333333")},
        {R8(-1.25), VT_DATE, Date(-1.25)},
        {R8(0.5), VT_BOOL, Bool(true)},
        {R4(0.1f), VT_BSTR, Str("0.1")},
        {R4(0.1f), VT_R8, R8(double(0.1f))},
        // currency
        {Cy(25000), VT_I4, I4(2)},
        {Cy(35000), VT_I4, I4(4)},
        {Cy(-25001), VT_I4, I4(-3)},
        {Cy(12000), VT_R8, R8(1.2)},
        {Cy(12000), VT_BSTR, Str("1.2")},
        {Cy(-5000), VT_BSTR, Str("-0.5")},
        {Cy(0), VT_BOOL, Bool(false)},
        // dates
        {Date(36233.0 + 37200.0 / 86400), VT_BSTR, Str("3/14/1999 10:20:00 AM")},
        {Date(-1.25), VT_BSTR, Str("12/29/1899 6:00:00 AM")},
        {Date(36233.75), VT_I4, I4(36234)},
        {Date(36233.75), VT_R8, R8(36233.75)},
        // text
        {Str("42"), VT_I4, I4(42)},
        {Str(" 1,000 "), VT_I4, I4(1000)},
        {Str("2.5"), VT_I4, I4(2)},
        {Str("-7"), VT_I2, I2(-7)},
        {Str("200"), VT_UI1, UI1(200)},
        {Str("1e3"), VT_R8, R8(1000.0)},
        {Str("0.1"), VT_R8, R8(0.1)},
        {Str("1.23456"), VT_CY, Cy(12346)},
        {Str("$1,234.5"), VT_CY, Cy(12345000)},
        {Str("3/14/1999"), VT_DATE, Date(36233.0)},
        {Str("12/29/1899 6:00 AM"), VT_DATE, Date(-1.25)},
        {Str("True"), VT_BOOL, Bool(true)},
        {Str(" false "), VT_BOOL, Bool(false)},
        {Str("0"), VT_BOOL, Bool(false)},
        {Str("12"), VT_BSTR, Str("12")},
        // empty and null
        {Empty(), VT_I4, I4(0)},
        {Empty(), VT_BSTR, Str("")},
        {Empty(), VT_BOOL, Bool(false)},
        {Empty(), VT_DATE, Date(0.0)},
        {Empty(), VT_CY, Cy(0)},
        {Empty(), VT_NULL, Null()},
        {Null(), VT_NULL, Null()},
        {Null(), VT_EMPTY, Empty()},
        {I4(5), VT_EMPTY, Empty()},
    };
    for (const Case& c : cases) {
        COleVariant result;
        std::string where = Describe(c.source) + " to " + std::to_string(c.type);
        ASSERT_EQ(Convert(c.source, c.type, result), S_OK) << where;
        EXPECT_TRUE(result == c.expected) << where << " gave " << Describe(result);
    }
}

TEST(COleVariant, ChangeTypeFailuresThrowAndLeaveTheVariantAlone) {
    struct Case {
        COleVariant source;
        VARTYPE type;
        SCODE code;
    } cases[] = {
        {I4(300), VT_UI1, DISP_E_OVERFLOW},
        {I4(-1), VT_UI1, DISP_E_OVERFLOW},
        {I4(40000), VT_I2, DISP_E_OVERFLOW},
        {R8(1e10), VT_I4, DISP_E_OVERFLOW},
        {R8(1e39), VT_R4, DISP_E_OVERFLOW},
        {R8(1e7), VT_DATE, DISP_E_OVERFLOW},
        {R8(1e300), VT_CY, DISP_E_OVERFLOW},
        {Cy(400000000000000), VT_I4, DISP_E_OVERFLOW},
        {Str("abc"), VT_I4, DISP_E_TYPEMISMATCH},
        {Str(""), VT_R8, DISP_E_TYPEMISMATCH},
        {Str("12abc"), VT_CY, DISP_E_TYPEMISMATCH},
        {Str("hello"), VT_DATE, DISP_E_TYPEMISMATCH},
        {Str("1/1/10000"), VT_DATE, DISP_E_OVERFLOW},
        {Str("yes"), VT_BOOL, DISP_E_TYPEMISMATCH},
        {Str("40000"), VT_I2, DISP_E_OVERFLOW},
        {Null(), VT_I4, DISP_E_TYPEMISMATCH},
        {Null(), VT_BSTR, DISP_E_TYPEMISMATCH},
        {I4(1), VT_NULL, DISP_E_TYPEMISMATCH},
        {COleVariant(LONG(5), VT_ERROR), VT_I4, DISP_E_TYPEMISMATCH},
        {I4(1), 99, DISP_E_BADVARTYPE},
    };
    for (const Case& c : cases) {
        COleVariant result(LONG(123));
        std::string where = Describe(c.source) + " to " + std::to_string(c.type);
        EXPECT_EQ(Convert(c.source, c.type, result), c.code) << where;
        EXPECT_TRUE(result == I4(123)) << where;
    }
}

TEST(COleVariant, ChangeTypeInPlaceAndFromAnotherVariant) {
    COleVariant v = Str("41");
    v.ChangeType(VT_I4);
    EXPECT_TRUE(v == I4(41));
    v.ChangeType(VT_I4); // same type: nothing to do
    EXPECT_TRUE(v == I4(41));

    COleVariant source = R8(2.5);
    COleVariant target;
    target.ChangeType(VT_BSTR, &source);
    EXPECT_TRUE(target == Str("2.5"));
    EXPECT_TRUE(source == R8(2.5));
}

TEST(COleVariant, FailedConversionReportsItsReason) {
    COleVariant v = Str("abc");
    try {
        v.ChangeType(VT_I4);
        FAIL() << "no exception";
    } catch (CException* e) {
        char text[64];
        EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
        EXPECT_STREQ(text, "Type mismatch.");
        EXPECT_EQ(COleException::Process(e), DISP_E_TYPEMISMATCH);
        e->Delete();
    }
}

TEST(COleVariant, EqualityNeedsTypeAndValue) {
    EXPECT_TRUE(I4(1) == I4(1));
    EXPECT_TRUE(I4(1) != I2(1));
    EXPECT_TRUE(I4(1) != I4(2));
    EXPECT_TRUE(Str("a") == Str("a"));
    EXPECT_TRUE(Str("a") != Str("A"));
    EXPECT_TRUE(Null() == Null());
    EXPECT_TRUE(Null() != Empty());
    EXPECT_TRUE(Cy(5) == Cy(5));
    EXPECT_TRUE(Date(1.0) != R8(1.0));
}

TEST(COleVariant, AssignmentReplacesTheValueButKeepsABooleanBoolean) {
    COleVariant v = Str("text");
    v = LONG(5);
    EXPECT_TRUE(v == I4(5));
    EXPECT_TRUE(v.bstrVal.IsEmpty());
    v = 2.5;
    EXPECT_TRUE(v == R8(2.5));
    v = COleDateTime(36233.0);
    EXPECT_TRUE(v == Date(36233.0));
    v.Clear();
    EXPECT_EQ(v.vt, VT_EMPTY);

    COleVariant flag = Bool(false);
    flag = LONG(5);
    EXPECT_TRUE(flag == Bool(true));
    flag = short(0);
    EXPECT_TRUE(flag == Bool(false));
}

TEST(COleVariant, CurrencyConvertsFromVariants) {
    EXPECT_EQ(COleCurrency(Str("1.5")).m_cur.int64, 15000);
    EXPECT_EQ(COleCurrency(R8(0.29)).m_cur.int64, 2900);
    EXPECT_EQ(COleCurrency(I4(-3)).m_cur.int64, -30000);
    SCODE code = S_OK;
    try {
        COleCurrency amount(Str("abc"));
    } catch (COleException* e) {
        code = e->m_sc;
        e->Delete();
    }
    EXPECT_EQ(code, DISP_E_TYPEMISMATCH);
}
