// The binary operators over every pair of value types: result types and values, and the exact
// message of each pair that has no rule.

#include "template/values/QZBlockList.h"
#include "tests/template/ExprFixture.h"

TEST(QZBinaryExprStmt, AddsByOperandTypes) {
    ExpectCases({
        {"1 + 2", "int:3"},
        {"2147483647 + 1", "int:-2147483648"},
        {"1 + $2", "cur:3"},
        {"1 + 2.5", "double:3.5"},
        {"1 + \"a\"", "str:1a"},
        {"$3 + 1", "cur:4"},
        {"$1.5 + $2.25", "cur:3.75"},
        {"$1 + 0.25", "cur:1.25"},
        {"$0 + 0.00019", "cur:0.0002"},
        {"$3 + \"x\"", "str:$3x"},
        {"2.5 + 1", "double:3.5"},
        {"2.5 + $1", "cur:3.5"},
        {"2.5 + \"x\"", "str:2.5x"},
        {"\"a\" + 1", "str:a1"},
        {"\"a\" + $3", "str:a$3"},
        {"\"a\" + 2.5", "str:a2.5"},
        {"\"a\" + \"b\"", "str:ab"},
        {"#5/5/1998# + 1m", "date:1998-06-05 00:00:00"},
        {"1m + #5/5/1998 10:30#", "date:1998-06-05 10:30:00"},
        {"#5/5/1998 10:30# + 1d12h", "date:1998-05-06 22:30:00"},
        {"1m + 2d", "span:1m2d"},
        {"#5/5/1998# + 1", "str:!Error!", {"can't add #5/5/1998# and 1"}},
        {"1d + \"x\"", "str:!Error!", {"can't add 1d and x"}},
        {"1 + #5/5/1998#", "str:!Error!", {"can't add 1 and #5/5/1998#"}},
    });
}

TEST(QZBinaryExprStmt, SubtractsByOperandTypes) {
    ExpectCases({
        {"5 - 7", "int:-2"},
        {"0 - 2147483647 - 2", "int:2147483647"},
        {"1 - $0.5", "cur:0.5"},
        {"1 - 0.5", "double:0.5"},
        {"5 - \"ab\"", "str:5ba"},
        {"$3 - 1", "cur:2"},
        {"$3 - $1.25", "cur:1.75"},
        {"$1 - 0.25", "cur:0.75"},
        {"$1 - \"a\"", "str:!Error!", {"can't subtract $1 and a"}},
        {"2.5 - 1", "double:1.5"},
        {"2.5 - $1", "cur:1.5"},
        {"2.5 - \"ab\"", "str:2.5ba"},
        {"\"ab\" - 12", "str:ab21"},
        {"\"ab\" - $1", "str:!Error!", {"can't subtract ab and $1"}},
        {"\"ab\" - 2.5", "str:ab5.2"},
        {"\"abc\" - \"de\"", "str:abced"},
        {"#5/6/1998 12:00# - #5/5/1998#", "span:0m1.5d"},
        {"#3/15/1998# - 3m", "date:1997-12-15 00:00:00"},
        {"1m - 2d", "span:1m-2d"},
        {"#5/5/1998# - 1", "str:!Error!", {"can't subtract #5/5/1998# and 1"}},
    });
}

TEST(QZBinaryExprStmt, MultipliesAndRepeatsStrings) {
    ExpectCases({
        {"6 * 7", "int:42"},
        {"65536 * 65536", "int:0"},
        {"3 * $1.5", "cur:4.5"},
        {"3 * 2.5", "double:7.5"},
        {"3 * \"ab\"", "str:ababab"},
        {"\"ab\" * 3", "str:ababab"},
        {"-2 * \"ab\"", "str:baba"},
        {"0 * \"ab\"", "str:"},
        {"$1.5 * 3", "cur:4.5"},
        {"$1 * 0.00019", "cur:0.0002"},
        {"0.00019 * $1", "cur:0.0002"},
        {"$1 * $2", "str:!Error!", {"can't multiply $1 and $2"}},
        {"$1 * \"a\"", "str:!Error!", {"can't multiply $1 and a"}},
        {"2.5 * 2", "double:5"},
        {"2.5 * 2.5", "double:6.25"},
        {"2.9 * \"ab\"", "str:abab"},
        {"-1.5 * \"ab\"", "str:ba"},
        {"\"ab\" * 2.0", "str:abab"},
        {"\"ab\" * $1", "str:!Error!", {"can't multiply ab and $1"}},
        {"\"ab\" * \"cd\"", "str:!Error!", {"can't multiply string ab and string cd"}},
        {"1 * 1d", "str:!Error!", {"can't multiply 1 and 1d"}},
        {"\"ab\" * 100000000", "str:!Error!", {"string result of ab and 100000000 is too long"}},
    });
}

TEST(QZBinaryExprStmt, DividesAndGuardsZeroDivisors) {
    ExpectCases({
        {"7 / 2", "double:3.5"},
        {"7 / 0", "double:0", {"can't divide by zero"}},
        {"7 / 2.0", "double:3.5"},
        {"7 / 0.0", "double:0", {"can't divide by zero"}},
        {"7 / $1", "str:!Error!", {"can't divide 7 and $1"}},
        {"7 / \"a\"", "str:!Error!", {"can't divide integer 7 and string a"}},
        {"7 / 1d", "str:!Error!", {"can't divide 7 and 1d"}},
        {"$7 / 2", "cur:3.5"},
        {"$1 / 3", "cur:0.3333"},
        {"$7 / 0", "cur:0", {"can't divide by zero"}},
        {"$7 / $2", "double:3.5"},
        {"$7 / $0", "double:0", {"can't divide by zero"}},
        {"$2 / 3.0", "cur:0.6667"},
        {"$7 / 0.0", "cur:0", {"can't divide by zero"}},
        {"$7 / \"a\"", "str:!Error!", {"can't divide $7 and a"}},
        {"$9999999999999999 / $1", "str:!Error!", {"can't divide invalid currency objects"}},
        {"7.5 / 2", "double:3.75"},
        {"7.5 / $1", "str:!Error!", {"can't divide 7.5 and $1"}},
        {"7.5 / \"a\"", "str:!Error!", {"can't divide floating-point number 7.5 and string a"}},
        {"\"a\" / 2", "str:!Error!", {"can't divide string a and integer 2"}},
        {"\"a\" / $2", "str:!Error!", {"can't divide a and $2"}},
        {"\"a\" / 2.5", "str:!Error!", {"can't divide string a and floating-point number 2.5"}},
        {"\"a\" / \"b\"", "str:!Error!", {"can't divide string a and string b"}},
    });
}

TEST(QZBinaryExprStmt, TakesRemaindersOfWholeNumbers) {
    ExpectCases({
        {"7 % 2", "int:1"},
        {"-7 % 2", "int:-1"},
        {"7.9 % 2", "double:1"},
        {"7 % 2.5", "double:1"},
        {"7 % 0", "int:0", {"can't divide by zero"}},
        {"7.5 % 0.5", "double:0", {"can't divide by zero"}},
        {"(0 - 2147483647 - 1) % -1", "int:0"},
        {"3000000000.0 % 7", "double:1"},
        {"7 % \"a\"", "str:!Error!", {"can't mod integer 7 and string a"}},
        {"7 % $1", "str:!Error!", {"can't mod 7 and $1"}},
        {"7.5 % \"a\"", "str:!Error!", {"can't mod floating-point number 7.5 and string a"}},
        {"\"a\" % 2", "str:!Error!", {"can't mod string a and integer 2"}},
        {"\"a\" % 2.5", "str:!Error!", {"can't mod string a and floating-point number 2.5"}},
        {"\"a\" % \"b\"", "str:!Error!", {"can't mod string a and string b"}},
        {"\"a\" % $1", "str:!Error!", {"can't mod a and $1"}},
    });
}

TEST(QZBinaryExprStmt, ComparesAcrossTypes) {
    ExpectCases({
        {"1 < 2", "int:1"},
        {"2 <= 2", "int:1"},
        {"3 > 2", "int:1"},
        {"2 >= 3", "int:0"},
        {"1 == 1", "int:1"},
        {"1 <> 1", "int:0"},
        {"1 == $1", "int:1"},
        {"$1 == 1", "int:1"},
        {"$1.5 < $2", "int:1"},
        {"1 < 1.5", "int:1"},
        {"1.5 > 1", "int:1"},
        {"1.5 == $1.5", "int:1"},
        {"$1.5 == 1.5", "int:1"},
        {"10 < \"9\"", "int:1"},
        {"\"10\" < \"9\"", "int:1"},
        {"\"9\" > 10", "int:1"},
        {"\"abc\" == \"ABC\"", "int:0"},
        {"$3 == \"$3\"", "int:1"},
        {"\"$3\" == $3", "int:1"},
        {"2.5 == \"2.5\"", "int:1"},
        {"\"2.5\" == 2.5", "int:1"},
        {"#5/5/1998# < #5/6/1998#", "int:1"},
        {"1m > 40d", "int:1"},
        {"#5/5/1998# == 1", "int:0", {"can't compare date #5/5/1998# with 1"}},
        {"1 == 1d", "int:0", {"can't compare integer 1 and 1d"}},
        {"1 < 1d", "int:0", {"can't compare 1 and 1d"}},
        {"$1 == 1d", "int:0", {"can't compare currency $1 with 1d"}},
        {"1.5 == 1d", "int:0", {"can't compare floating-point number 1.5 and 1d"}},
        {"1.5 >= 1d", "int:0", {"can't compare 1.5 and 1d"}},
        {"\"a\" <> 1d", "int:0", {"can't compare a and 1d"}},
        {"1d == 1", "int:0", {"can't compare timespan 1d with 1"}},
    });
}

TEST(QZBinaryExprStmt, CombinesTruthValues) {
    ExpectCases({
        {"1 and 0", "int:0"},
        {"1 and \"x\"", "int:1"},
        {"0 or \"\"", "int:0"},
        {"\"!Error!\" or 0", "int:0"},
        {"\"0\" and #5/5/1998#", "int:1"},
        {"0.0 or 1m", "int:1"},
        {"0.0 or 0d", "int:0"},
    });
}

TEST(QZBinaryExprStmt, RaisesToPowers) {
    ExpectCases({
        {"2 ^ 10", "int:1024"},
        {"2 ^ -1", "int:0"},
        {"0 ^ 0", "int:1"},
        {"0 ^ 5", "int:0"},
        {"7 ^ 1", "int:7"},
        {"2 ^ 32", "int:0"},
        {"3 ^ 2000000001", "int:1897082883"},
        {"2.0 ^ -2", "double:0.25"},
        {"0.0 ^ -1", "double:0"},
        {"2.0 ^ 3", "double:8"},
        {"1.5 ^ 2000000000", "double:inf"},
        {"4 ^ 0.5", "double:2"},
        {"4.0 ^ 0.5", "double:2"},
        {"2 ^ \"a\"", "str:!Error!", {"can't exponentiate 2 and a"}},
        {"\"a\" ^ 2", "str:!Error!", {"can't exponentiate a and 2"}},
    });
}

TEST(QZBinaryExprStmt, MakesKeysOfTwoNumbers) {
    ExpectCases({
        {"1 : 2", "key:1:2"},
        {"1.7 : 2.2", "key:1:2"},
        {"1 : \"a\"", "str:!Error!", {"can't use operator : on 1 and a"}},
        {"$1 : 2", "str:!Error!", {"can't use operator : on currency $1 and 2"}},
        {"#5/5/1998# : 2", "str:!Error!", {"can't use operator : on date #5/5/1998# and 2"}},
        {"\"a\" : 2", "str:!Error!", {"can't use operator : on string a and 2"}},
        {"1d : 2", "str:!Error!", {"can't use operator : on timespan 1d and 2"}},
    });
}

TEST(QZBinaryExprStmt, RefusesObjectKeysAsOperands) {
    ExpectCases({
        {"1:2 + 1", "str:!Error!", {"can not perform binary operation on key 1:2=1:2"}},
        {"1 == :5", "str:!Error!", {"can not perform binary operation on key :5=0:5"}},
        {"3:4 and 1", "str:!Error!", {"can not perform binary operation on key 3:4=3:4"}},
    });
}

TEST(QZBinaryExprStmt, ReportsOperandsWithoutValue) {
    ExpectCases({
        {"x + 1", "str:!Error!", {"right-hand side x does not have a value"}},
        {"1 + y", "str:!Error!", {"right-hand side y does not have a value"}},
    });
}

TEST_F(ExprFixture, LeftTypesWithoutRuleLeaveNoValue) {
    QZSymbol* array = Scope().Define("list", TRUE);
    array->MakeArray()->GetElement(1, TRUE)->SetInteger(5);
    for (const char* text : {"list + 1", "list - 1", "list * 2", "list / 2", "list % 2", "list < 1",
                             "list : 1", "$1 % 2", "#1/1/2000# * 2"}) {
        EXPECT_EQ(Eval(text), "null") << text;
        EXPECT_TRUE(Messages().empty()) << text;
    }
}

TEST_F(ExprFixture, ARunWithoutRuleKeepsNoValueOfTheRunBefore) {
    QZExprContext& context = NewContext();
    context.Parse("x * 2, -x");
    Scope().SetInteger("x", 4);
    context.Execute();
    QZSymbol* product = context.GetResults()->GetHead()->item;
    QZSymbol* negated = context.GetResults()->GetHead()->next->item;
    EXPECT_EQ(Show(product), "int:8");
    EXPECT_EQ(Show(negated), "int:-4");
    Var("x")->SetVariant(COleVariant()); // Null, as a field that is Null in the next row
    context.Execute();
    EXPECT_EQ(Show(product), "null");
    EXPECT_EQ(Show(negated), "null");
    Var("x")->MakeArray()->GetElement(1, TRUE)->SetInteger(1);
    context.Execute();
    EXPECT_EQ(Show(product), "null");
    EXPECT_EQ(Show(negated), "null");
    EXPECT_TRUE(Messages().empty());
}
