// The expression grammar: precedence and grouping, lists and assignments, the statements it
// makes, its syntax errors, and the rewriting of key constants in the translation modes.

#include "tests/template/ExprFixture.h"

#include "db/QZKeyTable.h"
#include "template/expressions/QZBinaryExprStmt.h"
#include "template/values/QZBlockList.h"

#include <string>

namespace {

// The operation codes of the context's statements, in list order.
std::vector<int> Operations(const QZExprContext& context) {
    std::vector<int> codes;
    for (QZCommandBase* s = context.GetFirstStatement(); s != nullptr; s = s->GetNext())
        codes.push_back(static_cast<QZExprStmt*>(s)->GetOperation());
    return codes;
}

std::vector<std::string> ResultValues(const QZExprContext& context) {
    std::vector<std::string> values;
    for (QZBlockList::Node* n = context.GetResults()->GetHead(); n != nullptr; n = n->next)
        values.push_back(Show(n->item));
    return values;
}

std::string Repeat(const std::string& unit, int times) {
    std::string text;
    for (int i = 0; i < times; i++)
        text += unit;
    return text;
}

} // namespace

TEST(QZExprContext, AppliesPrecedenceAndGrouping) {
    ExpectCases({
        {"1 + 2 * 3", "int:7"},
        {"(1 + 2) * 3", "int:9"},
        {"8 - 3 - 2", "int:3"},
        {"16 / 4 / 2", "double:2"},
        {"2 * 3 % 4", "int:2"},
        {"2 ^ 3 ^ 2", "int:512"},
        {"-2 ^ 2", "int:4"},
        {"- -3", "int:3"},
        {"2 * -3", "int:-6"},
        {"1 + 2 < 4", "int:1"},
        {"3 > 2 > 1", "int:1"},
        {"1 == 2 == 0", "int:0"},
        {"1 < 2 == 1", "int:1"},
        {"1 or 0 and 0", "int:1"},
        {"0 and 1 or 1", "int:1"},
        {"not 0 and 0", "int:0"},
        {"1 : 2 + 1", "key:1:3"},
        {"1 + 1 : 2", "key:2:2"},
        {"\"ab\".GetLength() + 1", "int:3"},
        {"a - 1", "str:!Error!", {"right-hand side a does not have a value"}},
    });
}

TEST_F(ExprFixture, AppendsStatementsInPostOrder) {
    EXPECT_EQ(Operations(Exec("1 + 2 * 3")), (std::vector<int>{102, 100}));
    EXPECT_EQ(Operations(Exec("a or b or c")), (std::vector<int>{113, 113}));
    QZExprContext& chain = Exec("a or b or c");
    auto* inner = static_cast<QZBinaryExprStmt*>(chain.GetFirstStatement());
    auto* outer = static_cast<QZBinaryExprStmt*>(inner->GetNext());
    EXPECT_EQ(outer->GetLeft(), Var("a"));
    EXPECT_EQ(outer->GetRight(), inner->GetResultEntry());
    EXPECT_EQ(Operations(Exec("-x.1")), (std::vector<int>{120, 116}));
    EXPECT_EQ(Operations(Exec("x = strlen(\"a\") + 1")), (std::vector<int>{1001, 100, 111}));
}

TEST_F(ExprFixture, AssignsOnceAndStopsAtTheFirstStrayToken) {
    QZExprContext& chained = Exec("x = y = 3");
    EXPECT_EQ(Operations(chained), (std::vector<int>{111}));
    EXPECT_EQ(Show(Var("x")), "str:!Error!");
    EXPECT_EQ(Show(Var("y")), "none");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"right-hand side y does not have a value"}));

    QZExprContext& stray = Exec("a b");
    EXPECT_EQ(stray.GetResult(), Var("a"));
    EXPECT_EQ(stray.GetResults()->GetCount(), 1);
    EXPECT_EQ(Eval("x = 2 + 3"), "int:5");
    EXPECT_EQ(Show(Var("x")), "int:5");
}

TEST_F(ExprFixture, CollectsTheResultsOfAList) {
    QZExprContext& list = Exec("1, x = \"a\", 2.5");
    EXPECT_EQ(ResultValues(list), (std::vector<std::string>{"int:1", "str:a", "double:2.5"}));
    EXPECT_EQ(list.GetResults()->FindEntry("x", FALSE), Var("x"));
    EXPECT_EQ(list.GetResult(), list.GetResults()->GetHead()->item);

    QZExprContext& empty = Exec("");
    EXPECT_EQ(empty.GetResult(), nullptr);
    EXPECT_EQ(empty.GetResults()->GetCount(), 0);
}

TEST_F(ExprFixture, EqualsComparesOrInitialisesWhenTheCommandAsks) {
    Scope().SetInteger("a", 1);
    QZExprContext& condition = NewContext();
    condition.SetEqualsCompares(TRUE);
    condition.Parse("a = 1");
    condition.Execute();
    EXPECT_EQ(Show(condition.GetResult()), "int:1");
    EXPECT_EQ(Show(Var("a")), "int:1");

    for (const char* text : {"n = 5", "n = 6"}) {
        QZExprContext& setDefault = NewContext();
        setDefault.SetAssignmentCode(115);
        setDefault.Parse(text);
        setDefault.Execute();
    }
    EXPECT_EQ(Show(Var("n")), "int:5");
    EXPECT_TRUE(Messages().empty());
}

TEST(QZExprContext, ReportsSyntaxErrors) {
    ExpectCases({
        {"1 +", "int:1", {"operand expected"}},
        {")", "nullptr", {"operand expected"}},
        {"(1", "int:1", {"Syntax error: Expected ), got "}},
        {"strlen 1",
         "none",
         {"Syntax error: Expected (, got integer constant", "invalid or missing argument"}},
        {"-", "none", {"operand expected", "invalid operand in unary expression"}},
    });
}

TEST_F(ExprFixture, ReportsErrorsOnlyWhenGenerating) {
    QZExprContext& context = NewContext();
    context.SetMode(QZVantrelContext::MODE_PLAIN);
    context.Parse("1 +"); // nothing is compiled in this mode
    context.SetMode(QZVantrelContext::MODE_GENERATE);
    context.Parse("1 +");
    EXPECT_TRUE(context.HasError());
    EXPECT_EQ(Messages(), (std::vector<std::string>{"operand expected"}));
}

TEST_F(ExprFixture, CountsLinesFromTheStartOfTheArguments) {
    Exec("1 +\n\n   ?");
    ASSERT_EQ(owner.messages.size(), 2u);
    EXPECT_EQ(owner.messages[0].line, 3);
    owner.messages.clear();
    QZExprContext& context = Exec("1\n+ y");
    context.Execute(); // a second run reports with the same line
    ASSERT_EQ(owner.messages.size(), 2u);
    EXPECT_EQ(owner.messages[0].line, 2);
    EXPECT_EQ(owner.messages[1].line, 2);
}

TEST_F(ExprFixture, LimitsNestingButNotLongChains) {
    std::string deep = Repeat("(", 150) + "1" + Repeat(")", 150);
    EXPECT_EQ(Eval(deep.c_str()), "nullptr");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"expression nested too deeply"}));
    std::string nested = Repeat("(", 50) + "1" + Repeat(")", 50);
    EXPECT_EQ(Eval(nested.c_str()), "int:1");
    std::string sum = "1" + Repeat(" + 1", 9999);
    EXPECT_EQ(Eval(sum.c_str()), "int:10000");
    std::string tower = "1" + Repeat(" ^ 1", 5000);
    EXPECT_EQ(Eval(tower.c_str()), "int:1");
    std::string ors = "0" + Repeat(" or 0", 5000) + " or 1";
    EXPECT_EQ(Eval(ors.c_str()), "int:1");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ExprFixture, CompilingAgainReusesItsTemporaries) {
    QZExprContext& context = NewContext();
    context.Parse("1 + 2 * 3 - x.1");
    LONG count = Scope().GetCount();
    for (int i = 0; i < 10; i++)
        context.Parse("1 + 2 * 3 - x.1");
    EXPECT_EQ(Scope().GetCount(), count);
    context.Execute();
    EXPECT_EQ(Show(context.GetResult()), "str:!Error!");
}

TEST_F(ExprFixture, PlainModeKeepsTheTextAndLexesNothing) {
    QZExprContext& context = NewContext();
    context.SetMode(QZVantrelContext::MODE_PLAIN);
    LONG count = Scope().GetCount();
    context.Parse("newName + 5:12");
    EXPECT_EQ(context.GetTranslatedText(), "newName + 5:12");
    EXPECT_EQ(Scope().GetCount(), count);
    EXPECT_EQ(context.GetFirstStatement(), nullptr);
}

TEST_F(ExprFixture, RewritesKeysInTheTranslationModes) {
    struct Case {
        SHORT mode;
        const char* text;
        const char* translated;
    } cases[] = {
        {QZVantrelContext::MODE_REWRITE, "  a  +  \"x\"\"y\" , 12 ", "  a  +  \"x\"\"y\" , 12 "},
        {QZVantrelContext::MODE_REWRITE, "5:12@image + :7, 12", "5:12@image + 0:7, 12"},
        {QZVantrelContext::MODE_FIRST, "5:12@image + 0:7, 12", "5:12@image + :7, 12"},
        {QZVantrelContext::MODE_REWRITE, "my_var #1/2# \"open", "my_var #1/2# \"open"},
        {QZVantrelContext::MODE_REWRITE, "x:7 + a::7 - 2x:7", "x 0:7 + a: 0:7 - 2x 0:7"},
    };
    for (const Case& c : cases) {
        QZExprContext& context = NewContext();
        context.SetMode(c.mode);
        context.Parse(c.text);
        EXPECT_EQ(context.GetTranslatedText(), c.translated) << c.text;
    }
    QZExprContext& withNul = NewContext();
    withNul.SetMode(QZVantrelContext::MODE_REWRITE);
    withNul.Parse(CString(std::string("a\0b + 1", 7)));
    EXPECT_EQ(withNul.GetTranslatedText().str(), std::string("a\0b + 1", 7));
}

TEST_F(ExprFixture, MapsKeysThroughTheKeyTableWhileTranslating) {
    QZKeyTable table;
    table.AddEntry(QZKeyCombo(5, 12), QZKeyCombo(9, 99), OBJ_IMAGE);
    table.AddEntry(QZKeyCombo(5, 12), QZKeyCombo(9, 55), OBJ_QUERY);
    table.AddEntry(QZKeyCombo(5, 12), QZKeyCombo(9, 22), OBJ_PAGE);
    const struct {
        SHORT keyType;
        const char* text;
        const char* translated;
    } cases[] = {
        {OBJ_PAGE, "x = 5:12@image, 5:12, 12", "x = 9:99@image, 9:22, 12"},
        {OBJ_QUERY, "5:12, 5:12", "9:55, 9:22"},
        {OBJ_QUERY, "5:12@page, 5:12@query", "9:22@page, 9:55@query"},
        {OBJ_PAGE, "5:13, 6:12", "5:13, 6:12"},
    };
    for (const auto& c : cases) {
        QZExprContext& context = NewContext();
        context.SetMode(QZVantrelContext::MODE_REWRITE);
        context.SetTranslating(TRUE);
        context.SetKeyTable(&table);
        context.SetDefaultKeyType(c.keyType);
        context.Parse(c.text);
        EXPECT_EQ(context.GetTranslatedText(), c.translated) << c.text;
        context.Parse(c.text); // the default type comes back for every parse
        EXPECT_EQ(context.GetTranslatedText(), c.translated) << c.text;
    }
    // A table left from an earlier translation is not used when the text is only saved.
    QZExprContext& saving = NewContext();
    saving.SetMode(QZVantrelContext::MODE_REWRITE);
    saving.SetKeyTable(&table);
    saving.Parse("5:12");
    EXPECT_EQ(saving.GetTranslatedText(), "5:12");
}

TEST_F(ExprFixture, LiteralModeReadsOneValue) {
    const struct {
        const char* text;
        const char* value;
    } cases[] = {
        {"12/25/97", "date:1997-12-25 00:00:00"},
        {"12/25/97 x", "str:12/25/97 x"},
        {"42", "int:42"},
        {"2.5", "double:2.5"},
        {"$3", "cur:3"},
        {"3:5", "key:3:5"},
        {"-5", "str:-5"},
        {"hello world", "str:hello world"},
    };
    for (const auto& c : cases) {
        QZSymbol* target = Scope().Define("target", FALSE);
        target->SetType(QZSymbol::TYPE_NULL);
        QZExprContext& context = NewContext();
        context.SetLiteralMode(TRUE);
        context.SetResult(target);
        context.Parse(c.text);
        context.Execute();
        EXPECT_EQ(Show(target), c.value) << c.text;
    }
    EXPECT_TRUE(Messages().empty());
}
