// The built-in functions: their results by argument type, the arguments they leave alone,
// and the one message they report.

#include "tests/template/ExprFixture.h"

#include <cmath>

TEST(QZFuncExprStmt, ComputesEachFunction) {
    ExpectCases({
        {"strlen(\"\")", "int:0"},
        {"strlen(\"abc\")", "int:3"},
        {"strlen(\"ab\", 5)", "int:2"},
        {"abs(-3)", "int:3"},
        {"abs(-2.5)", "double:2.5"},
        {"abs(0 - 2147483647 - 1)", "int:-2147483648"},
        {"acos(1)", "double:0"},
        {"asin(0)", "double:0"},
        {"atan(1)", "double:0.785398"},
        {"cos(0)", "double:1"},
        {"cosh(0)", "double:1"},
        {"exp(1)", "double:2.71828"},
        {"log(1)", "double:0"},
        {"log(0)", "double:-inf"},
        {"log10(1000)", "double:3"},
        {"sin(0)", "double:0"},
        {"sinh(0)", "double:0"},
        {"sqrt(16)", "double:4"},
        {"tan(0)", "double:0"},
        {"tanh(0)", "double:0"},
        {"ceiling(2.1)", "int:3"},
        {"ceiling(-2.1)", "int:-2"},
        {"floor(-2.1)", "int:-3"},
        {"floor(7)", "int:7"},
        {"ceiling(10000000000.0)", "int:2147483647"},
        {"float(\"3.25abc\")", "double:3.25"},
        {"float(\" -1.5e2x\")", "double:-150"},
        {"float(\"x\")", "double:0"},
        {"float(\"0x10\")", "double:0"},
        {"float(\"inf\")", "double:0"},
        {"int(\" 42x\")", "int:42"},
        {"int(\"-7\")", "int:-7"},
        {"int(\"x\")", "int:0"},
        {"int(\"99999999999\")", "int:2147483647"},
    });
}

TEST(QZFuncExprStmt, LeavesTheResultAloneForAWrongArgumentType) {
    ExpectCases({
        {"strlen(12)", "none"},
        {"abs(\"x\")", "none"},
        {"sqrt(\"x\")", "none"},
        {"floor($1)", "none"},
        {"float(2)", "none"},
        {"int(4.5)", "none"},
        {"size(5)", "none"},
        {"strlen()", "none", {"invalid or missing argument"}},
    });
}

TEST_F(ExprFixture, DefinedAndSizeLookAtTheArgumentItself) {
    EXPECT_EQ(Eval("defined(x)"), "int:0");
    Exec("x = 0");
    EXPECT_EQ(Eval("defined(x)"), "int:1");
    Exec("a.3 = \"xy\", r.n = 1");
    EXPECT_EQ(Eval("size(a)"), "int:3");
    EXPECT_EQ(Eval("size(r)"), "none");
    // A reference is not followed: the element is an argument of the wrong type.
    EXPECT_EQ(Eval("strlen(a.3)"), "none");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ExprFixture, DomainErrorsGiveTheLibrarysResults) {
    EXPECT_TRUE(std::isnan(Exec("sqrt(-1)").GetResult()->GetDouble()));
    EXPECT_TRUE(std::isnan(Exec("acos(2)").GetResult()->GetDouble()));
    EXPECT_TRUE(Messages().empty());
}
