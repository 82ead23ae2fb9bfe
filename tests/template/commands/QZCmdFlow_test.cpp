// Conditions, loops and choices run as template text: what they write, what they leave in the
// variables and the engine messages they report, with their lines.

#include "template/commands/QZCmdSwitch.h"
#include "template/values/QZSymbol.h"
#include "tests/template/TemplateRun.h"

#include <gtest/gtest.h>

namespace {

struct FlowCase {
    const char* name;
    const char* text;
    const char* output;
    std::vector<std::string> messages = {};
};

class FlowTable : public ::testing::TestWithParam<FlowCase> {};

TEST_P(FlowTable, WritesTheOutputAndReportsTheMessages) {
    const FlowCase& c = GetParam();
    TemplateRun run;
    EXPECT_EQ(run.Run(c.text), c.output);
    EXPECT_EQ(run.Messages(), c.messages);
}

const FlowCase kFlowCases[] = {
    // if
    {"IfComparesAndLeavesTheVariable", "<<set a=2>><<if a=1>>yes<<else>>no<</if>><<print a>>",
     "no2"},
    {"IfTakesTheThenBlock", "<<set a=1>><<if a=1>>yes<<else>>no<</if>>", "yes"},
    {"IfWithoutElseWritesNothingWhenFalse", "<<if 0>>x<</if>>y", "y"},
    {"ElseOfANestedIf", "<<if 1>>a<<if \"\">>b<<else>>c<</if>>d<<else>>e<</if>>", "acd"},
    {"IfWithoutCondition",
     "x\n<<if >>y<</if>>",
     "x\n",
     {"2: operand expected", "2: if statement requires a conditional expression"}},
    // while
    {"WhileCounts", "<<set i=0>><<while i<3>><<print i>><<set i=i+1>><</while>>", "012"},
    {"WhileComparesAndLeavesTheVariable", "<<set i=5>><<while i=0>>x<</while>><<print i>>", "5"},
    {"WhileConditionRunsAgainAfterEachTurn",
     "<<set i=0>><<while i=0>>[<<set i=i+1>>]<</while>><<print i>>", "[]1"},
    {"WhileWithoutCondition",
     "<<while >>x<</while>>",
     "",
     {"1: operand expected", "1: while statement requires a conditional expression"}},
    // for
    {"ForCounts", "<<for i=0; i<3; i=i+1>><<print i>><</for>>", "012"},
    {"ForComparesAndLeavesTheVariable", "<<set n=5>><<for i=0; n=1; i=i+1>>x<</for>><<print n>>",
     "5"},
    {"ForSemicolonInAStringIsNoSeparator", "<<for s=\";\"; s=\";\"; s=\"x\">>[<<print s>>]<</for>>",
     "[;]"},
    {"ForWithoutSemicolons",
     "<<for i=1>>x<</for>><<print i>>",
     "1",
     {"1: for statement requires a conditional expression"}},
    {"ForWithOneSemicolonRunsTheInitialisation",
     "<<for i=7; i<9>>x<</for>><<print i>>",
     "7",
     {"1: for statement requires a conditional expression"}},
    {"ForWithAnEmptyCondition",
     "<<for i=0;; i=i+1>>x<</for>>",
     "",
     {"1: operand expected", "1: for statement requires a conditional expression"}},
    // repeat ... until
    {"RepeatCounts", "<<set i=0>><<repeat>><<print i>><<set i=i+1>><<until i=3>>", "012"},
    {"RepeatRunsOnceWhenTrueAtOnce", "<<repeat>>x<<until 1>>", "x"},
    {"UntilComparesAndLeavesTheVariable", "<<set a=2>><<repeat>>x<<until a=2>><<print a>>", "x2"},
    {"RepeatWithoutCondition",
     "<<repeat>>x\n<<until >>",
     "",
     {"2: operand expected", "2: repeat statement requires a conditional expression"}},
    // when ... is
    {"WhenStringMatchesWithCase",
     "<<set x=\"A\">><<when x>><<is \"a\">>lower<<is \"A\">>upper<</when>>", "upper"},
    {"WhenIntegerInAList", "<<set x=3>><<when x>><<is 1, 2, 3>>small<<is 4>>four<</when>>",
     "small"},
    {"WhenKeyByDbIdAndKeyIdOnly",
     "<<set k=1:42>><<when k>><<is 2:42>>other<<is 1:42@image>>same<</when>>", "same"},
    {"WhenCurrencyNotFloatingPoint",
     "<<set c=$1.50>><<when c>><<is 1.5>>float<<is $1.50>>cur<</when>>", "cur"},
    {"WhenFloatingPoint", "<<when 2.5>><<is 2.4, 2.5>>yes<</when>>", "yes"},
    {"WhenDate", "<<set d=#3/1/1999#>><<when d>><<is #3/2/1999#>>no<<is #3/1/1999#>>yes<</when>>",
     "yes"},
    {"WhenOtherwiseFirstTakesEveryOtherType",
     "<<set x=1>><<when x>><<is otherwise>>other<<is 1>>one<</when>>", "other"},
    {"WhenOtherwiseLastCatchesTheRest",
     "<<set x=5>><<when x>><<is 1>>one<<is OTHERWISE>>other<</when>>", "other"},
    {"WhenSpanMatchesOnlyOtherwise",
     "<<set s=1d>><<when s>><<is 1d>>span<<is otherwise>>other<</when>>", "other"},
    {"WhenRunsAtMostOneClause", "<<when 1>><<is 1>>a<<is 1>>b<</when>>", "a"},
    {"WhenWithoutMatchRunsNothing", "<<when 9>><<is 1>>one<</when>>", ""},
    {"WhenTextBeforeTheFirstClauseIsNotWritten", "<<when 1>>\n<<is 1>>one<</when>>", "one"},
    {"WhenClauseRunsItsValuesAgain",
     "<<set n=0>><<when 1>><<is n=n+1>>one<<is 1>>two<</when>><<print n>>", "one2"},
    {"IsWithoutValues",
     "<<when 1>>\n<<is >>x<<is 1>>y<</when>>",
     "y",
     {"2: operand expected", "2: is expression has no values"}},
    // set and setdefault
    {"SetAssignsInTheEnclosingScope", "<<if 1>><<set a=5>><</if>><<print a>>", "5"},
    {"SetDefaultGivesOnlyAMissingValue",
     "<<set a=1>><<setdefault a=2>><<setdefault b=3>><<print a>>,<<print b>>", "1,3"},
};

INSTANTIATE_TEST_SUITE_P(Flow, FlowTable, ::testing::ValuesIn(kFlowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QZCmdSwitch, WithoutAClauseListReports) {
    TemplateRun run;
    auto* when = new QZCmdSwitch(&run.page, "1");
    when->Execute();
    EXPECT_EQ(run.Messages(), std::vector<std::string>{"1: when statement has no is clauses"});
}

TEST(QZCmdSetDefault, AssignsOnlyToAVariableWithoutAValue) {
    TemplateRun run;
    run.Scope().SetInteger("a", 1);
    run.Run("<<setdefault a=2>><<setdefault b=3>><<set c=4>>");
    EXPECT_EQ(run.file.text, "");
    EXPECT_EQ(run.Var("a")->GetInteger(), 1);
    EXPECT_EQ(run.Var("b")->GetInteger(), 3);
    EXPECT_EQ(run.Var("c")->GetInteger(), 4);
}

TEST(FlowActionPass, BlocksRunTheirStatementsActionsInAFormRunForACaller) {
    TemplateRun run;
    QZVantrelContext caller;
    FakeRunOwner form(OBJ_FORM);
    form.Own(run.page, QZVantrelContext::MODE_GENERATE);
    form.outputFile = &run.file;
    form.callingContext = &caller;
    run.Run("<<if 1>>text<<set a=1>><<for i=0; i<2; i=i+1>>x<</for>><</if>>");
    EXPECT_EQ(run.file.text, "");
    EXPECT_EQ(run.Var("a")->GetInteger(), 1);
    EXPECT_EQ(run.Var("i")->GetInteger(), 2);
}

// The limit on runs: a loop stops once the generation has counted more than 100,000 runs of
// statement lists, whichever loops made them.
struct LimitCase {
    const char* text;
    const char* message;
    // What the loop writes when the count is already past the limit: a repeat body runs once.
    const char* again;
};

TEST(FlowRunLimit, EachLoopStopsAtTheLimitAndASecondStopsAtOnce) {
    const LimitCase cases[] = {
        {"<<while 1>>x<</while>>", "1: infinite while loop", ""},
        {"<<for i=0; 1; i=i+1>>x<</for>>", "1: infinite for loop", ""},
        {"<<repeat>>x<<until 0>>", "1: infinite repeat loop", "x"},
    };
    for (const LimitCase& c : cases) {
        TemplateRun run;
        run.Run(c.text);
        EXPECT_GT(run.owner.runs, QZTemplateRunOwner::kRunLimit) << c.text;
        EXPECT_LT(run.owner.runs, QZTemplateRunOwner::kRunLimit + 10) << c.text;
        EXPECT_GT(run.file.text.size(), 10000u) << c.text;
        EXPECT_EQ(run.Messages(), std::vector<std::string>{c.message}) << c.text;
        // The same loop again in the same generation.
        run.file.text.clear();
        run.page.Execute();
        EXPECT_EQ(run.file.text, c.again) << c.text;
        EXPECT_EQ(run.Messages(), std::vector<std::string>{c.message}) << c.text;
    }
}

TEST(FlowRunLimit, LoopsShareTheCountOfTheGeneration) {
    TemplateRun run;
    std::string output = run.Run("<<while 1>><</while>>\n<<set i=0>><<while i<5>>x<<set i=i+1>>"
                                 "<</while>><<print i>>");
    EXPECT_EQ(output, "\n0");
    EXPECT_EQ(run.Messages(),
              (std::vector<std::string>{"1: infinite while loop", "2: infinite while loop"}));
}

TEST(FlowRunLimit, ALoopWithoutARunOwnerCountsItsOwnTurns) {
    TemplateRun run;
    QZVantrelMemoFld page;
    page.SetMode(QZVantrelContext::MODE_GENERATE);
    page.Parse("<<set n=0>><<while 1>><<set n=n+1>><</while>>");
    page.Execute();
    EXPECT_EQ(page.GetSymbolTable()->Find("n", FALSE)->GetInteger(), QZTemplateRunOwner::kRunLimit);
}

} // namespace
