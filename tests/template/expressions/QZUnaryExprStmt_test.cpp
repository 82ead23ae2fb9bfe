// The unary statements: negation, logical not, keys from numbers, addresses and indirection,
// assignments and initialising assignments, and arrays and records through the "." operator.

#include "tests/template/ExprFixture.h"

#include "platform/core/COleDateTime.h"
#include "template/expressions/QZUnaryExprStmt.h"
#include "template/values/QZBlockList.h"

TEST(QZUnaryExprStmt, NegatesByOperandType) {
    CString date = "can't negate date #5/5/1998#=" + COleDateTime(1998, 5, 5, 0, 0, 0).Format("%c");
    ExpectCases({
        {"-5", "int:-5"},
        {"-(0 - 2147483647 - 1)", "int:-2147483648"},
        {"-$1.5", "cur:-1.5"},
        {"-2.5", "double:-2.5"},
        {"-\"abc\"", "str:cba"},
        {"-\"\"", "str:"},
        {"-1m2d", "span:-1m-2d"},
        {"-#5/5/1998#", "str:!Error!", {date.str()}},
        {"-(3:4)", "str:!Error!", {"can't negate key 3:4=3:4"}},
    });
}

TEST(QZUnaryExprStmt, TakesLogicalNotOfNumbers) {
    ExpectCases({
        {"not 0", "int:1"},
        {"not 7", "int:0"},
        {"not 0.0", "int:1"},
        {"not 0.5", "int:0"},
        {"not \"a\"", "str:!Error!", {"can't take logical not of a"}},
    });
}

TEST(QZUnaryExprStmt, MakesKeysInTheOpenDatabase) {
    ExpectCases({
        {": 12", "key:0:12"},
        {": 12.9", "key:0:12"},
        {": \"a\"", "str:!Error!", {"illegal operand  a of :"}},
    });
}

TEST_F(ExprFixture, FollowsAddressesThroughIndirection) {
    Scope().SetInteger("x", 5);
    EXPECT_EQ(Eval("*&x"), "ref");
    EXPECT_EQ(Eval("y = *&x"), "int:5");
    EXPECT_EQ(Eval("*&x = 6"), "ref");
    EXPECT_EQ(Show(Var("x")), "int:6");
    EXPECT_EQ(Eval("*x"), "str:!Error!");
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "illegal indirection: attempt to de-reference a non-pointer x"}));
}

TEST_F(ExprFixture, AssignsToVariablesOnly) {
    Scope().SetString("title", "Home"); // the built-in variable
    EXPECT_EQ(Eval("x = 5"), "int:5");
    Exec("5 = 3");
    Exec("title = 3");
    Exec("title = nothing");
    Exec("(1 + 2) = 3");
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "left-hand side 5 is read-only",
                              "left-hand side title is read-only",
                              "right-hand side nothing does not have a value",
                              "illegal assignment: invalid left-hand side",
                          }));
    // A rejected assignment leaves constants and built-ins as they were.
    EXPECT_EQ(Eval("5 + 0"), "int:5");
    EXPECT_EQ(Show(Var("title")), "str:Home");
    EXPECT_EQ(Eval("x = nothing"), "str:!Error!");
    EXPECT_EQ(Eval("z = 3:4"), "key:3:4");
    EXPECT_EQ(Eval("w = 1m"), "span:1m0d");
}

TEST_F(ExprFixture, InitialisesOnlyVariablesWithoutValue) {
    EXPECT_EQ(Eval("n := 5"), "int:5");
    EXPECT_EQ(Eval("n := 6"), "int:5");
    Exec("a.1 = 2");
    Exec("b := a");
    EXPECT_EQ(Show(Var("b")), "none"); // arrays are not initialised this way
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ExprFixture, GrowsArraysAndRecords) {
    Exec("a.3 = 7, a.(1 + 1) = \"two\"");
    EXPECT_EQ(Show(Var("a")), "array:3");
    EXPECT_EQ(Eval("a.3"), "ref");
    EXPECT_EQ(Eval("y = a.3"), "int:7");
    EXPECT_EQ(Eval("y = a.2"), "str:two");
    Exec("b = a, b.3 = 8");
    EXPECT_EQ(Eval("y = a.3"), "int:7");
    Exec("r.name = \"x\", r.count = 2");
    EXPECT_EQ(Show(Var("r")), "record");
    EXPECT_EQ(Eval("y = r.name"), "str:x");
    Exec("m.1.2 = 9");
    EXPECT_EQ(Eval("y = m.1.2"), "int:9");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ExprFixture, RefusesBadIndexesAndMembers) {
    Exec("a.1 = 1, r.x = 1");
    Exec("a.0");
    Exec("a.70000");
    Exec("r.(\"a\" + \"b\")");
    Exec("a.name");
    Exec("r.1");
    Exec("title.x");
    Exec("5 .x");
    Exec("(1:2).x");
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "invalid array index a",
                              "array index 70000 of a is too large",
                              "illegal record member",
                              "array a has no member name",
                              "record r can't be indexed",
                              "left-hand side title is read-only",
                              "left-hand side 5 is read-only",
                              "can not perform binary operation on key 1:2=1:2",
                          }));
    EXPECT_EQ(Show(Var("a")), "array:1");
    EXPECT_EQ(Eval("5 + 0"), "int:5");
}

TEST_F(ExprFixture, ElementsOfAnArrayStayWhileAnExpressionUsesThem) {
    Exec("a.1 = 1");
    // Turning the array into a record would free the element the sum still reads.
    EXPECT_EQ(Eval("a.1 + a.x"), "str:1!Error!");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"array a has no member x"}));
    // An assignment later in a list frees the array: the earlier reference is not kept.
    QZExprContext& list = Exec("a.1, a = 5");
    EXPECT_EQ(Show(list.GetResult()), "str:!Error!");
    EXPECT_EQ(Show(Var("a")), "int:5");
    Exec("r.x.1 = 1");
    QZExprContext& failed = Exec("r.x.1, r.x = nothing");
    EXPECT_EQ(Show(failed.GetResult()), "str:!Error!");
    Messages();
    QZExprContext& later = Exec("a = 5, b.1 = 2, b.1");
    EXPECT_EQ(Show(later.GetResults()->GetTail()->item), "ref");
}

TEST_F(ExprFixture, AReferenceToNothingDoesNotSpoilLaterRuns) {
    Scope().SetInteger("x", 1);
    QZExprContext& context = NewContext();
    context.Parse("*p = 3");
    Var("p")->SetType(QZSymbol::TYPE_ADDRESS); // an address of nothing
    context.Execute();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"invalid operand in unary expression"}));
    Var("p")->SetAddress(Var("x"));
    context.Execute();
    EXPECT_EQ(Show(Var("x")), "int:3");
    EXPECT_TRUE(Messages().empty());
}

TEST(QZUnaryExprStmt, MissingEntriesAreReported) {
    ExprPage page;
    QZExprContext& context = page.NewContext();
    new QZUnaryExprStmt(&context, QZExprStmt::OP_NEGATE, nullptr, nullptr);
    context.Execute();
    EXPECT_EQ(page.Messages(), (std::vector<std::string>{"invalid operand in unary expression"}));
}

// `a = a.2`, `r = r.n`, `a.1 = a.1.1`, `r.a = r.a.b`: the container being replaced holds the
// value being assigned, so the value must be copied before the container goes.
TEST(QZUnaryExprStmt, AssignsAContainerOneOfItsOwnMembers) {
    struct Level {
        const char* container;
        const char* member;
    };
    const Level levels[] = {
        {"a", "a.2"},     {"r", "r.n"},     {"a.1", "a.1.1"},
        {"r.a", "r.a.b"}, {"a.1", "a.1.n"}, {"r.a", "r.a.2"},
    };
    struct Member {
        const char* given;    // what follows the member's path to give it its value
        const char* readBack; // what follows the container's path to read the value back
        const char* value;
    };
    const Member members[] = {
        {" = 7", "", "int:7"},
        {" = 2.5", "", "double:2.5"},
        {" = $1.5", "", "cur:1.5"},
        {" = #12/25/97#", "", "date:1997-12-25 00:00:00"},
        {" = \"member text\"", "", "str:member text"},
        {" = 3:4", "", "key:3:4"},
        {" = 1m2d", "", "span:1m2d"},
        {".3 = \"element\"", ".3", "str:element"},
        {".x = \"field\"", ".x", "str:field"},
    };
    for (const Level& level : levels) {
        for (const Member& member : members) {
            std::string container = level.container;
            std::string path = level.member;
            SCOPED_TRACE(container + " = " + path + " after " + path + member.given);
            ExprPage page;
            page.Exec((path + member.given).c_str());
            page.Exec((container + " = " + path).c_str());
            EXPECT_EQ(page.Eval(("y = " + container + member.readBack).c_str()), member.value);
            EXPECT_EQ(page.Messages(), std::vector<std::string>());
        }
    }
}

// A container copied into itself doubles at every assignment: copies stop at a limit.
TEST_F(ExprFixture, RefusesToCopyAnArrayPastTheEntryLimit) {
    Exec("a.65536 = 1, b.1 = a"); // a: 65536 entries, b: 32 more
    EXPECT_EQ(Eval("c = a"), "array:65536");
    EXPECT_EQ(Eval("d = b"), "str:!Error!");
    Exec("b.2 = b");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"array or record b is too large to copy",
                                                    "array or record b is too large to copy"}));
    EXPECT_EQ(Eval("y = b.1.65536"), "int:1");
    EXPECT_EQ(Eval("y = b.2"), "str:!Error!");
}
