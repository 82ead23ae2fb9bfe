// The methods of strings, dates and date spans: results, positions outside the string, and
// the message of every misuse.

#include "tests/template/ExprFixture.h"

TEST(QZMethodExprStmt, StringMethods) {
    ExpectCases({
        {"\"abc\".GetLength()", "int:3"},
        {"\"\".IsEmpty()", "int:1"},
        {"\"a\".IsEmpty()", "int:0"},
        {"\"abc\".GetAt(1)", "str:a"},
        {"\"abc\".GetAt(2.9)", "str:b"},
        {"\"abcdef\".GetMid(2, 3)", "str:bcd"},
        {"\"abcdef\".Mid(4)", "str:def"},
        {"\"abcdef\".GetMid(5, 10)", "str:ef"},
        {"\"abcdef\".GetLeft(2)", "str:ab"},
        {"\"abcdef\".GetRight(2)", "str:ef"},
        {"\"ab\".GetLeft(10)", "str:ab"},
        {"\"ab\".GetRight(10)", "str:ab"},
        {"\"abcabc\".Find(\"ca\")", "int:3"},
        {"\"abc\".Find(\"x\")", "int:0"},
        {"\"abcabc\".ReverseFind(\"b\")", "int:5"},
        {"\"abcabc\".ReverseFind(\"bz\")", "int:5"},
        {"\"abc\".ReverseFind(\"\")", "int:0"},
        {"\"abc\".Compare(\"abd\")", "int:-1"},
        {"\"b\".Compare(\"a\")", "int:1"},
        {"\"ABC\".CompareNoCase(\"abc\")", "int:0"},
        {"\"aab12\".SpanIncluding(\"ab\")", "str:aab"},
        {"\"ab;cd\".SpanExcluding(\";\")", "str:ab"},
        {"\"abc\".SetAt(1, \"x\")", "none"},
    });
}

TEST(QZMethodExprStmt, PositionsOutsideTheStringGiveEmptyText) {
    ExpectCases({
        {"\"abc\".GetAt(0)", "str:"},
        {"\"abc\".GetAt(4)", "str:"},
        {"\"abc\".GetAt(-2147483647)", "str:"},
        {"\"abcdef\".GetMid(0)", "str:"},
        {"\"abcdef\".GetMid(7)", "str:"},
        {"\"abcdef\".GetMid(2, -1)", "str:"},
        {"\"abcdef\".GetMid(2, 2147483647)", "str:bcdef"},
        {"\"ab\".GetLeft(-1)", "str:"},
        {"\"ab\".GetRight(-1)", "str:"},
    });
}

TEST(QZMethodExprStmt, ReportsMisuse) {
    ExpectCases({
        {"\"abc\".GetAt(\"x\")", "none", {"GetAt: invalid position x"}},
        {"\"abcdef\".GetMid(\"x\")", "none", {"GetMid: invalid position x"}},
        {"\"abcdef\".GetMid(2, 1.5)", "none", {"GetMid: invalid position 1.5"}},
        {"\"abc\".GetLeft(\"x\")", "none", {"GetLeft: invalid position x"}},
        {"\"abc\".GetRight(\"x\")", "none", {"GetRight: invalid position x"}},
        {"\"abc\".Compare(1)", "none", {"Compare: invalid string 1"}},
        {"\"abc\".CompareNoCase(1)", "none", {"Compare: invalid string 1"}},
        {"\"abc\".SpanIncluding(1)", "none", {"SpanIncluding: invalid string 1"}},
        {"\"abc\".SpanExcluding(1)", "none", {"SpanExcluding: invalid string 1"}},
        {"\"abc\".Find(1)", "none", {"missing or invalid argument"}},
        {"\"abc\".ReverseFind(1)", "none", {"missing or invalid argument"}},
        {"\"abc\".GetRight()", "none", {"missing or invalid argument"}},
        {"\"abc\".GetYear()", "none", {"object abc is not a date"}},
        {"(1).GetLength()", "none", {"object 1 is not a string"}},
        {"\"a\".GetDays()", "none", {"object a is not a timespan"}},
    });
}

TEST(QZMethodExprStmt, DateMethods) {
    ExpectCases({
        {"#3/14/1999 10:20:30#.GetYear()", "int:1999"},
        {"#3/14/1999 10:20:30#.GetMonth()", "int:3"},
        {"#3/14/1999 10:20:30#.GetDay()", "int:14"},
        {"#3/14/1999 10:20:30#.GetHour()", "int:10"},
        {"#3/14/1999 10:20:30#.GetMinute()", "int:20"},
        {"#3/14/1999 10:20:30#.GetSecond()", "int:30"},
        {"#3/14/1999 10:20:30#.GetDayOfWeek()", "int:1"},
        {"#3/14/1999 10:20:30#.GetDayOfYear()", "int:73"},
    });
}

TEST(QZMethodExprStmt, DateSpanMethods) {
    ExpectCases({
        {"1m36h.GetTotalMonths()", "int:1"},
        {"1m36h.GetDays()", "int:1"},
        {"1m36h.GetHours()", "int:12"},
        {"1m36h.GetTotalHours()", "double:36"},
        {"2d3h4n5s.GetMinutes()", "int:4"},
        {"2d3h4n5s.GetSeconds()", "int:5"},
        {"1d12h.GetTotalDays()", "double:1.5"},
        {"1h.GetTotalMinutes()", "double:60"},
        {"1n.GetTotalSeconds()", "double:60"},
        {"1y2m.GetYears()", "int:1"},
        {"1y2m.GetMonths()", "int:2"},
        {"(-14m).GetMonths()", "int:-2"},
        {"(-14m).GetYears()", "int:-1"},
    });
}

TEST_F(ExprFixture, MethodsTakeTheirObjectAsItStands) {
    Exec("a.1 = \"xy\"");
    EXPECT_EQ(Eval("a.1.GetLength()"), "none");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"object  is not a string"}));
    Exec("s = \"xyz\"");
    EXPECT_EQ(Eval("s.GetLength()"), "int:3");
}
