#include "platform/core/CString.h"
#include "platform/core/StringTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

template <typename... Args> std::string format(const char* spec, const Args&... args) {
    CString text;
    text.Format(spec, args...);
    return text.str();
}

struct TextCase {
    const char* what;
    std::string actual;
    const char* expected;
};

void expectAll(std::initializer_list<TextCase> cases) {
    for (const TextCase& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.what;
}

enum Colour { Red = 2 };

} // namespace

TEST(CStringFormat, IntegersHaveTheOriginalsWidths) {
    expectAll({
        {"%d int", format("%d", 42), "42"},
        {"%d minimum", format("%d", INT32_MIN), "-2147483648"},
        {"%ld int32_t", format("%ld", int32_t(123456)), "123456"},
        {"%ld negative int32_t", format("%ld", int32_t(-7)), "-7"},
        {"%ld int64_t keeps the low 32 bits", format("%ld", int64_t(4294967297)), "1"},
        {"%ld int64_t -1", format("%ld", int64_t(-1)), "-1"},
        {"%ld 2^31 wraps negative", format("%ld", 2147483648L), "-2147483648"},
        {"%lu of -1", format("%lu", int32_t(-1)), "4294967295"},
        {"%lu of int64_t -1", format("%lu", int64_t(-1)), "4294967295"},
        {"%lx of a 64-bit value", format("%lx", int64_t(0x1234567890)), "34567890"},
        {"%08lX of -1", format("%08lX", -1), "FFFFFFFF"},
        {"%hd wraps at 16 bits", format("%hd", 70000), "4464"},
        {"%hu of -1", format("%hu", -1), "65535"},
        {"%hhd wraps at 8 bits", format("%hhd", 200), "-56"},
        {"%I64d", format("%I64d", int64_t(-9000000000)), "-9000000000"},
        {"%I64d of an int32_t", format("%I64d", int32_t(-5)), "-5"},
        {"%I64u maximum", format("%I64u", UINT64_MAX), "18446744073709551615"},
        {"%lld maximum", format("%lld", INT64_MAX), "9223372036854775807"},
        {"%i", format("%i", -3), "-3"},
        {"%o", format("%o", 8), "10"},
        {"%#x", format("%#x", 255), "0xff"},
        {"%+d", format("%+d", 5), "+5"},
        {"% d", format("% d", 5), " 5"},
        {"%u of bool", format("%u", true), "1"},
        {"%d of an enum", format("%d", Red), "2"},
        {"%d of a double truncates", format("%d", 3.9), "3"},
    });
}

TEST(CStringFormat, WidthsPrecisionsAndFlags) {
    expectAll({
        {"%5ld", format("%5ld", 42), "   42"},
        {"%-5ld|", format("%-5ld|", 42), "42   |"},
        {"%05ld of negative", format("%05ld", -42), "-0042"},
        {"%-5s|", format("%-5s|", "ab"), "ab   |"},
        {"%5s", format("%5s", "ab"), "   ab"},
        {"%05s pads with zeros as the original", format("%05s", "ab"), "000ab"},
        {"%.2s", format("%.2s", "abcdef"), "ab"},
        {"%3c", format("%3c", 'x'), "  x"},
        {"%05.2f", format("%05.2f", 3.14159), "03.14"},
        {"%.3f kb", format("%.3f kb", 1.5), "1.500 kb"},
        {"%g", format("%g", 2.5), "2.5"},
        {"%g large", format("%g", 1e20), "1e+20"},
        {"%e", format("%e", 12345.678), "1.234568e+04"},
        {"%G", format("%G", 1e-10), "1E-10"},
        {"%f of an int", format("%f", 2), "2.000000"},
        {"%*d", format("%*d", 5, 42), "   42"},
        {"%-*d|", format("%-*d|", 4, 7), "7   |"},
        {"%*d| negative width left-justifies", format("%*d|", -4, 7), "7   |"},
        {"%.*f", format("%.*f", 2, 3.14159), "3.14"},
        {"%.*f negative precision is none", format("%.*f", -1, 0.5), "0.500000"},
        {"%*.*s", format("%*.*s|", 4, 2, "abc"), "  ab|"},
    });
}

TEST(CStringFormat, TextPercentAndMissingArguments) {
    const CString key("3:57");
    const char* none = nullptr;
    expectAll({
        {"%%", format("%%"), "%"},
        {"100%%", format("%d%%", 100), "100%"},
        {"%s of a CString", format("[%s]", key), "[3:57]"},
        {"%s of std::string", format("%s", std::string("std")), "std"},
        {"%s of a null pointer", format("%s", none), "(null)"},
        {"%s of a number", format("%s", 12), "12"},
        {"%c", format("%c", 'A'), "A"},
        {"%c of 0 ends the text", format("a%cb", 0), "a"},
        {"key text", format("%ld:%ld", 3, 57), "3:57"},
        {"short key text", format(":%ld", 57), ":57"},
        {"log line", format("------- Generated %ld pages -------", 12),
         "------- Generated 12 pages -------"},
        {"missing number", format("%d|%ld|%f", 1), "1|0|0.000000"},
        {"missing text", format("[%s]"), "[]"},
        {"missing width", format("[%*d]"), "[0]"},
        {"unknown conversion prints its letter", format("%y"), "y"},
        {"lone percent at the end", format("abc%"), "abc"},
        {"%p of null", format("%p", static_cast<const void*>(nullptr)), "0000000000000000"},
        {"no conversions", format("plain"), "plain"},
    });
}

TEST(CStringFormat, FormattingItselfAndAppending) {
    CString text("abc");
    text.Format("<%s>", text);
    EXPECT_EQ(text, "<abc>");
    text.AppendFormat("%03d", 7);
    EXPECT_EQ(text, "<abc>007");
}

TEST(CStringExtract, ClampsPositionsAndCounts) {
    const CString s("abcdef");
    expectAll({
        {"Mid(2,3)", s.Mid(2, 3).str(), "cde"},
        {"Mid(-1,2)", s.Mid(-1, 2).str(), "ab"},
        {"Mid(4,10)", s.Mid(4, 10).str(), "ef"},
        {"Mid(1,INT_MAX)", s.Mid(1, INT_MAX).str(), "bcdef"},
        {"Mid(2,-1)", s.Mid(2, -1).str(), ""},
        {"Mid(5)", s.Mid(5).str(), "f"},
        {"Mid(6) exact end", s.Mid(6).str(), ""},
        {"Mid(7) past end", s.Mid(7).str(), ""},
        {"Mid(-5)", s.Mid(-5).str(), "abcdef"},
        {"Left(-1)", s.Left(-1).str(), ""},
        {"Left(3)", s.Left(3).str(), "abc"},
        {"Left(6)", s.Left(6).str(), "abcdef"},
        {"Left(99)", s.Left(99).str(), "abcdef"},
        {"Right(-1)", s.Right(-1).str(), ""},
        {"Right(2)", s.Right(2).str(), "ef"},
        {"Right(99)", s.Right(99).str(), "abcdef"},
        {"SpanIncluding(ab)", CString("aab12").SpanIncluding("ab").str(), "aab"},
        {"SpanIncluding empty set", s.SpanIncluding("").str(), ""},
        {"SpanIncluding all", s.SpanIncluding("fedcba").str(), "abcdef"},
        {"SpanExcluding(;)", CString("ab;cd").SpanExcluding(";").str(), "ab"},
        {"SpanExcluding first", s.SpanExcluding("a").str(), ""},
        {"SpanExcluding none", s.SpanExcluding("xyz").str(), "abcdef"},
    });
    EXPECT_EQ(s.GetAt(0), 'a');
    EXPECT_EQ(s.GetAt(-1), '\0');
    EXPECT_EQ(s.GetAt(6), '\0');
}

TEST(CStringSearch, FindsWithEdgePositions) {
    const CString s("abcabc");
    const struct {
        const char* what;
        int actual;
        int expected;
    } cases[] = {
        {"Find(c)", s.Find('c'), 2},
        {"Find(c,3)", s.Find('c', 3), 5},
        {"Find(c,-4)", s.Find('c', -4), 2},
        {"Find(c,6) exact end", s.Find('c', 6), -1},
        {"Find(c,99)", s.Find('c', 99), -1},
        {"Find(x)", s.Find('x'), -1},
        {"Find(ca)", s.Find("ca"), 2},
        {"Find(ca,3)", s.Find("ca", 3), -1},
        {"Find(abc,1)", s.Find("abc", 1), 3},
        {"Find(empty)", s.Find(""), 0},
        {"Find(empty,6)", s.Find("", 6), 6},
        {"Find(empty,7)", s.Find("", 7), -1},
        {"Find(too long)", s.Find("abcabcd"), -1},
        {"ReverseFind(b)", s.ReverseFind('b'), 4},
        {"ReverseFind(x)", s.ReverseFind('x'), -1},
        {"FindOneOf(xc)", s.FindOneOf("xc"), 2},
        {"FindOneOf(empty)", s.FindOneOf(""), -1},
        {"Compare equal", s.Compare("abcabc"), 0},
        {"Compare less", s.Compare("abd"), -1},
        {"Compare longer", s.Compare("abc"), 1},
        {"Compare bytes unsigned", CString("\xC3\xA9").Compare("z"), 1},
        {"CompareNoCase equal", s.CompareNoCase("ABCABC"), 0},
        {"CompareNoCase less", s.CompareNoCase("ABD"), -1},
        {"CompareNoCase folds to lower case", CString("abc_").CompareNoCase("ABCA"), -1},
        {"CompareNoCase leaves UTF-8 alone", CString("\xC3\x84").CompareNoCase("\xC3\xA4"), -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.what;
}

TEST(CStringChange, EditsInPlaceAndReportsResults) {
    const struct {
        const char* what;
        const char* before;
        int (*change)(CString&);
        const char* after;
        int result;
    } cases[] = {
        {"Replace text", "abcab", [](CString& s) { return s.Replace("ab", "x"); }, "xcx", 2},
        {"Replace empty old", "abc", [](CString& s) { return s.Replace("", "x"); }, "abc", 0},
        {"Replace no overlap", "aaaa", [](CString& s) { return s.Replace("aa", "a"); }, "aa", 2},
        {"Replace growing", "aba", [](CString& s) { return s.Replace("a", "aa"); }, "aabaa", 2},
        {"Replace by empty", "abcb", [](CString& s) { return s.Replace("b", ""); }, "ac", 2},
        {"Replace char", "banana", [](CString& s) { return s.Replace('a', 'o'); }, "bonono", 3},
        {"Remove", "banana", [](CString& s) { return s.Remove('a'); }, "bnn", 3},
        {"Insert char at start", "abc", [](CString& s) { return s.Insert(0, 'x'); }, "xabc", 4},
        {"Insert negative", "abc", [](CString& s) { return s.Insert(-3, "x"); }, "xabc", 4},
        {"Insert at end", "abc", [](CString& s) { return s.Insert(3, "xy"); }, "abcxy", 5},
        {"Insert past end", "abc", [](CString& s) { return s.Insert(99, "x"); }, "abcx", 4},
        {"Delete one", "abc", [](CString& s) { return s.Delete(1); }, "ac", 2},
        {"Delete past end", "abc", [](CString& s) { return s.Delete(1, 99); }, "a", 1},
        {"Delete negative", "abc", [](CString& s) { return s.Delete(-1); }, "bc", 2},
        {"Delete at end", "abc", [](CString& s) { return s.Delete(3); }, "abc", 3},
        {"Delete none", "abc", [](CString& s) { return s.Delete(1, -2); }, "abc", 3},
    };
    for (const auto& c : cases) {
        CString s(c.before);
        EXPECT_EQ(c.change(s), c.result) << c.what;
        EXPECT_EQ(s, c.after) << c.what;
    }
}

TEST(CStringChange, TrimsAndCaseChanges) {
    const struct {
        const char* what;
        const char* before;
        void (*change)(CString&);
        const char* after;
    } cases[] = {
        {"TrimLeft", " \t\r\nab c \n", [](CString& s) { s.TrimLeft(); }, "ab c \n"},
        {"TrimRight", " \t\r\nab c \n", [](CString& s) { s.TrimRight(); }, " \t\r\nab c"},
        {"Trim", "  ab  ", [](CString& s) { s.Trim(); }, "ab"},
        {"TrimLeft all blank", "   ", [](CString& s) { s.TrimLeft(); }, ""},
        {"TrimRight all blank", "   ", [](CString& s) { s.TrimRight(); }, ""},
        {"TrimRight keeps UTF-8", "a\xC2\xA0", [](CString& s) { s.TrimRight(); }, "a\xC2\xA0"},
        {"TrimLeft char", "xxaxx", [](CString& s) { s.TrimLeft('x'); }, "axx"},
        {"TrimRight set", "axyyx", [](CString& s) { s.TrimRight("xy"); }, "a"},
        {"MakeUpper ASCII only",
         "stra\xC3\x9f"
         "e \xC3\xA9",
         [](CString& s) { s.MakeUpper(); },
         "STRA\xC3\x9f"
         "E \xC3\xA9"},
        {"MakeLower ASCII only",
         "\xC3\x80"
         "BC",
         [](CString& s) { s.MakeLower(); },
         "\xC3\x80"
         "bc"},
        {"MakeReverse keeps UTF-8", "a\xC3\xA9z", [](CString& s) { s.MakeReverse(); },
         "z\xC3\xA9"
         "a"},
        {"SetAt", "abc", [](CString& s) { s.SetAt(1, 'X'); }, "aXc"},
        {"SetAt past end", "abc", [](CString& s) { s.SetAt(3, 'X'); }, "abc"},
    };
    for (const auto& c : cases) {
        CString s(c.before);
        c.change(s);
        EXPECT_EQ(s, c.after) << c.what;
    }
}

TEST(CStringBuffer, ReleaseBufferTakesTheLengthToTheFirstNul) {
    CString s("abc");
    strcpy(s.GetBuffer(10), "hello");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "hello");
    EXPECT_EQ(s.GetLength(), 5);

    s.GetBuffer(0);
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, "he");

    memcpy(s.GetBufferSetLength(4), "wxyz", 4);
    s.ReleaseBuffer(99);
    EXPECT_EQ(s, "wxyz");
}

TEST(CStringConstruct, FromPointersCharsAndCounts) {
    const char* none = nullptr;
    expectAll({
        {"null pointer", CString(none).str(), ""},
        {"counted", CString("abcdef", 3).str(), "abc"},
        {"count past the text", CString("ab", 10).str(), "ab"},
        {"negative count", CString("ab", -1).str(), ""},
        {"repeated char", CString('x', 3).str(), "xxx"},
        {"char repeated 0 times", CString('x', 0).str(), ""},
    });
}

TEST(CStringOperators, ConcatenateAndCompare) {
    const CString a("ab");
    EXPECT_EQ(a + "c", "abc");
    EXPECT_EQ("c" + a, "cab");
    EXPECT_EQ(a + a, "abab");
    EXPECT_EQ(a + 'z', "abz");
    EXPECT_EQ('z' + a, "zab");
    CString s;
    s += a;
    s += "-";
    s += 'x';
    s += static_cast<const char*>(nullptr);
    EXPECT_EQ(s, "ab-x");
    s = 'q';
    EXPECT_EQ(s, "q");
    s = static_cast<const char*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_TRUE(a != "abc");
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_TRUE("ab" == a);
}

TEST(CStringLoadString, ReadsTheStringTable) {
    StringTable::Register(61001, "Generated %ld pages");
    StringTable::Register(61002, "Second");

    CString text("old");
    EXPECT_TRUE(text.LoadString(61001));
    EXPECT_EQ(text, "Generated %ld pages");

    EXPECT_FALSE(text.LoadString(61999));
    EXPECT_TRUE(text.IsEmpty());

    text.Format(61001u, int64_t(7));
    EXPECT_EQ(text, "Generated 7 pages");

    // A string id cast to a pointer loads that string, as the framework's constructor does.
    EXPECT_EQ(CString(reinterpret_cast<const char*>(61002)), "Second");

    StringTable::Register(61002, nullptr);
    EXPECT_EQ(StringTable::Lookup(61002), nullptr);
}
