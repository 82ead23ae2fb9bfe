// interpret: the text of each value type, strings run as template text in the page's scope,
// errors of interpreted text reported against the page at the command's line, and the
// nesting limit.

#include "tests/template/TemplatePage.h"

#include <gtest/gtest.h>

namespace {

class InterpretTest : public ::testing::Test, public TemplatePage {};

TEST_F(InterpretTest, WritesEachValueTypeInItsFormat) {
    COleDateTime day(1998, 1, 5, 14, 3, 0);
    Scope().SetDate("Date", day);
    Scope().SetDate("Time", day);
    Scope().SetDate("stamp", day);
    struct Case {
        const char* text;
        const char* output;
    };
    const Case cases[] = {
        {"<<interpret 7>>", "7"},           {"<<interpret 2.5>>", "2.5"},
        {"<<interpret $12.5>>", "$12.5"},   {"<<interpret Date>>", "Jan 05, 1998"},
        {"<<interpret Time>>", "14:03:00"}, {"<<interpret stamp>>", "Mon Jan 05 1998 14:03:00"},
        {"<<interpret 3:4>>", "3:4"},       {"<<interpret 1d>>", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Generate(c.text), c.output) << c.text;
        EXPECT_TRUE(Messages().empty()) << c.text;
    }
    EXPECT_EQ(Generate("<<interpret missing>>"), "");
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"right-hand side missing does not have a value"});
}

TEST_F(InterpretTest, RunsAStringAsTemplateTextInPlace) {
    Scope().SetString("body", "<b>word</b><<interpret x>>");
    Scope().SetInteger("x", 42);
    EXPECT_EQ(Generate("[<<interpret body>>]"), "[<b>word</b>42]");
    // Parsed again at every run: a changed string runs as it is now.
    Scope().SetString("body", "<i><<interpret x + 1>></i>");
    EXPECT_EQ(GenerateAgain(), "[<i>43</i>]");
}

TEST_F(InterpretTest, SetsThePagesVariablesAndLosesItsOwn) {
    Scope().SetInteger("x", 1);
    Scope().SetString("code", "<<interpret x = x + 1>><<interpret y = 5>>");
    EXPECT_EQ(Generate("<<interpret code>>|<<interpret x>>"), "25|2");
    EXPECT_EQ(Var("y"), nullptr);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(InterpretTest, ErrorsOfInterpretedTextCarryThePageAndTheCommandsLine) {
    Scope().SetString("code", "ok\n<<readfile 5>>\n<<interpret 1 +>>");
    Generate("line 1\nline 2\n<<interpret code>>\n<<readfile 5>>");
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"3: operand expected", "3: readfile: no filename specified",
                                        "4: readfile: no filename specified"}));
}

TEST_F(InterpretTest, NestsAtMostSixtyFourDeep) {
    Scope().SetString("again", "a<<interpret again>>b");
    std::string output = Generate("<<interpret again>>");
    EXPECT_EQ(output, std::string(64, 'a') + std::string(64, 'b'));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"interpret: interpreted text nested too deeply"});
    // The limit counts the nesting now, not the runs before.
    EXPECT_EQ(GenerateAgain(), output);
}

TEST_F(InterpretTest, WritesBackItsArgument) {
    const char* text = "<<interpret \"<<interpret x>>\" + y >>";
    EXPECT_EQ(WriteBack(text, QZVantrelContext::MODE_REWRITE), text);
}

} // namespace
