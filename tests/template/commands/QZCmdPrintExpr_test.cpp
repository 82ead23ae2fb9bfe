// The print command: each type's own form, the pictures by name and by position, and the
// number, text and date pictures.

#include "template/commands/QZCmdPrintExpr.h"
#include "template/values/QZSymbol.h"
#include "tests/template/TemplateRun.h"

#include <gtest/gtest.h>

namespace {

struct PrintCase {
    const char* text;
    const char* output;
    std::vector<std::string> messages = {};
};

// d is the first of March 1999, 14:05:07 (a Monday); m the same day at 9:05.
const char* const kDates = "<<set d=#3/1/1999 14:05:07#, m=#3/1/1999 9:05:00#>>";

void ExpectPrints(const std::vector<PrintCase>& cases) {
    for (const PrintCase& c : cases) {
        TemplateRun run;
        EXPECT_EQ(run.Run(std::string(kDates) + c.text), c.output) << c.text;
        EXPECT_EQ(run.Messages(), c.messages) << c.text;
    }
}

TEST(QZCmdPrintExpr, NumbersWithAndWithoutPictures) {
    ExpectPrints({
        {"<<print 7>>|<<print -7>>|<<print 2.5>>|<<print 100000000000000000000.0>>",
         "7|-7|2.5|1e+20"},
        {"<<print 1234.5, \"#,##0.00\">>", "1,234.50"},
        {"<<print 1234567, \"#,##0,\">>", "1,234"},
        {"<<print 1234999, \"#,##0,\">>", "1,234"}, // cut, not rounded
        {"<<print -5, \"0\", \"(#)\">>", "(5)"},
        {"<<print -5, neg=\"(#)\">>", "(5)"},
        {"<<print -5.5, \"0.0\", neg=\"#.#-\">>", "5.5-"},
        {"<<print -5, \"0.0\">>", "-5.0"},
        {"<<print -0.5, \"0.0\">>", "-0.5"},
        {"<<print 0, \"0.00\", \"(#)\", \"-\">>", "-"},
        {"<<print 0, zero=\"none\">>", "none"},
        {"<<print 0.0, \"0.00\">>", "0.00"},
        {"<<print 5, \"Total: 0 units\">>", "Total: 5 units"},
        {"<<print 42, \"@@@@@\">>|<<print 42, \"00000\">>", "   42|00042"},
        {"<<print 2.999, \"0.00\">>", "2.99"},
        {"<<print 3.000001, \"0.000000\">>", "3.000000"},
        {"<<print 1.5, \"#.#\">>|<<print 1.5, \"#\">>|<<print 0.25, \"#.##\">>", "1.5|1|0.25"},
        {"<<print 12.345, \"0.0%\">>", "12.3%"},
        // Digits come from the shortest text that reads back as the value, of any size.
        {"<<print 19.99, \"0.00\">>", "19.99"},
        {"<<print 0.1 + 0.2, \"0.0000000000000000\">>", "0.3000000000000000"},
        {"<<print 5000000000.0, \"0\">>", "5000000000"},
        {"<<print 100000000000000000000.0, \"#,##0\">>", "100,000,000,000,000,000,000"},
        // A comma between placeholders groups every digit left of it; none leads a number.
        {"<<print 1234567, \"#,##0\">>", "1,234,567"},
        {"<<print -1234567, \"#,##0\">>", "-1,234,567"},
        {"<<print -123, \"#,##0\">>", "-123"},
        {"<<print 12.5, \"#,##0.00\">>", "12.50"},
        {"<<print 5, \"0,000\">>", "0,005"},
        {"<<print 1234567890, \"#,##0,,\">>", "1,234"},
    });
}

TEST(QZCmdPrintExpr, CurrencyFromItsExactAmount) {
    ExpectPrints({
        {"<<print $12.5>>", "$12.50"},
        {"<<print $0.125>>|<<print $0.124>>", "$0.13|$0.12"},
        {"<<print -$0.125>>|<<print -$0.0049>>", "$-0.13|$0.00"},
        {"<<print $92233720368547.5807>>", "$92233720368547.58"},
        {"<<print $19.99, \"0.00\">>", "19.99"},
        {"<<print $1234.5678, \"#,##0.0000\">>", "1,234.5678"},
        {"<<print $3, \"#.##\">>", "3."},
    });
}

TEST(QZCmdPrintExpr, TextPictures) {
    ExpectPrints({
        {"<<print \"abc\">>", "abc"},
        {"<<print \"abc\", \"@@@@@\">>", "  abc"},
        {"<<print \"abc\", \"!@@@@@\">>", "abc  "},
        {"<<print \"abcd\", \"&&\">>|<<print \"abcd\", \"!&&\">>", "cd|ab"},
        {"<<print \"5551234567\", \"(@@@) @@@-@@@@\">>", "(555) 123-4567"},
        {"<<print \"abc\", \"!>&&&\">>|<<print \"abc\", \"!&>&&\">>", "ABC|aBC"},
        {"<<print \"ABC\", \"<&&&\">>|<<print \"ABC\", \"&&<&\">>", "ABC|abC"},
        {"<<print \"café\", \"@@@@@@\">>|<<print \"café\", \"&\">>", "  café|é"},
        {"<<print \"\">>|<<print \"\", \"x\", empty=\"none\">>", "|none"},
    });
}

TEST(QZCmdPrintExpr, DatePictureWords) {
    ExpectPrints({
        {"<<print d, \"c\">>", "03/01/99 14:05:07"},
        {"<<print d, \"d|dd|ddd|dddd\">>", "1|01|Mon|Monday"},
        {"<<print d, \"ddddd\">>", "03/01/99"},
        {"<<print d, \"dddddd\">>", "Monday, March 01, 1999"},
        {"<<print d, \"w|ww\">>", "1|09"},
        {"<<print d, \"m|mm|mmm|mmmm\">>", "3|03|Mar|March"},
        {"<<print d, \"[q]|y|yy|yyyy\">>", "[]|060|99|1999"},
        {"<<print d, \"h|hh|n|nn|s|ss\">>", "14|14|5|05|7|07"},
        {"<<print m, \"h|hh|ttttt\">>", "9|09|09:05:00"},
        {"<<print d, \"ttttt\">>", "14:05:07"},
        {"<<print d, \"mmm dd, yyyy\">>", "Mar 01, 1999"},
        {"<<print d, \"h:nn AMPM\">>|<<print m, \"h:nn AMPM\">>", "2:05 PM|9:05 AM"},
        {"<<print d, \"hh:nn ampm\">>|<<print m, \"hh:nn ampm\">>", "02:05 pm|09:05 am"},
        {"<<print d, \"h AP\">>|<<print m, \"h ap\">>", "2 P|9 a"},
        {"<<print d, \"AMPM h\">>", "PM 14"},
        {"<<print d, \"dd/mm/yy\">>|<<print d, \"ddmmyy\">>", "01/03/99|ddmmyy"},
        {"<<print d, \"dd% Dd\">>", "01% Dd"},
    });
}

TEST(QZCmdPrintExpr, KeysSpansAndUndefinedNames) {
    ExpectPrints({
        {"<<print 7:42@image>>", "7:42"},
        {"<<print 1d>>", ""},
        {"[<<print nothing>>]", "[]"},
    });
}

TEST(QZCmdPrintExpr, PicturesThatAreNotStringsAreIgnored) {
    ExpectPrints({
        {"<<print 5, 3>>", "5"},
        {"<<print 1234.5, format=2, \"0.0\">>", "1234.5"},
        {"<<print -5, \"0\", 7>>", "-5"},
        {"<<print \"abc\", format=1>>", "abc"},
        {"<<print 5, format=\"\", \"0.0\">>", "5"},
    });
}

TEST(QZCmdPrintExpr, Failures) {
    ExpectPrints({
        {"x\n<<print >>", "x\n", {"2: operand expected", "2: print: no expression to print"}},
    });
    TemplateRun run;
    QZSymbol* x = run.Scope().SetInteger("x", 1);
    x->FreeValue();
    EXPECT_EQ(run.Run("[<<print x>>]"), "[]");
    EXPECT_EQ(run.Messages(),
              std::vector<std::string>{"1: right-hand side x does not have a value"});
}

TEST(QZCmdPrintExpr, DatesWithoutAPictureTakeTheFormOfTheirName) {
    TemplateRun run;
    COleDateTime first(1999, 3, 1, 14, 5, 7);
    run.Scope().SetDate("Date", first);
    run.Scope().SetDate("Time", first);
    run.Scope().SetDate("moment", first);
    EXPECT_EQ(run.Run("<<print Date>>|<<print Time>>|<<print moment>>"),
              "Mar 01, 1999|14:05:07|Mon Mar 01 1999 14:05:07");
}

TEST(QZCmdPrintExpr, DatesThatAreNotValidTakeTheEmptyPicture) {
    TemplateRun run;
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    run.Scope().SetDate("bad", invalid);
    run.Scope().SetDate("none", null);
    EXPECT_EQ(run.Run("<<print bad, \"dd\", \"n/a\">>|<<print none, empty=\"-\">>|"
                      "<<print bad>>|<<print none>>"),
              "n/a|-|Invalid DateTime|");
}

TEST(QZCmdPrintExpr, SkeletonAndDirectPictures) {
    EXPECT_EQ(QZCmdPrintExpr::GetSkeleton(), "<<print ???"
                                             ">>");
    EXPECT_EQ(QZCmdPrintExpr::FormatNumber(1234.5, "#,##0.00"), "1,234.50");
    EXPECT_EQ(QZCmdPrintExpr::FormatText("abc", "@@@@@"), "  abc");
    EXPECT_EQ(QZCmdPrintExpr::FormatDate(COleDateTime(1999, 3, 1, 14, 5, 0), "h:nn AMPM"),
              "2:05 PM");
}

} // namespace
