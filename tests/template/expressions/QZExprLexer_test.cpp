// The expression lexer: the tokens of every operator and operand form, the values of the
// constant forms, and the lexical error messages.

#include "tests/template/ExprFixture.h"

#include "platform/core/COleDateTime.h"

namespace {

// The tokens of a text, "token" or "token/code" for the tokens that carry an operator code.
std::string Lex(QZExprContext& context, const char* text, BOOL literal = FALSE) {
    context.SetMode(QZVantrelContext::MODE_PLAIN);
    context.Parse(text); // stores the text, lexes nothing
    context.SetLiteralMode(literal);
    context.Match(context.GetCurrentToken());
    std::string tokens;
    for (int guard = 0; context.GetCurrentToken() != -1 && guard < 50; guard++) {
        int token = context.GetCurrentToken();
        CString item;
        bool coded = (token >= 107 && token <= 110) || token == 114 ||
                     (token == 1 && context.GetOperatorCode() == 101);
        if (coded)
            item.Format("%d/%d", token, context.GetOperatorCode());
        else
            item.Format("%d", token);
        tokens += (tokens.empty() ? "" : " ") + item.str();
        context.Match(token);
    }
    return tokens;
}

struct LexCase {
    const char* text;
    const char* tokens;
};

} // namespace

TEST_F(ExprFixture, LexesOperatorsAndOperands) {
    const LexCase cases[] = {
        {"a - 1", "1 107/101 106"},
        {"a -1", "1 107/101 106"},
        {"-1", "119 106"},
        {"(-1)", "115 119 106 116"},
        {"a * -1", "1 108/100 119 106"},
        {"a + b", "1 107/100 1"},
        {"* / %", "108/100 108/101 108/102"},
        {"< <= > >=", "109/100 109/101 109/102 109/103"},
        {"== <>", "110/100 110/101"},
        {"= :=", "114/100 114/101"},
        {"^ & ( ) ,", "120 135 115 116 113"},
        {"and OR Not", "111 112 141"},
        {"title strlen GetLength if", "126 139 138 1101"},
        {"a.1.2", "1 134 106 134 106"},
        {"1.5 + 12. + .5 + .", "117 107/100 117 107/100 117 107/100 117"},
        {"1.5.2", "117 134 106"},
        {"3:5 :5 3:5@image", "121 121 121"},
        {"3 : 5", "106 123 106"},
        {": x", "123 1"},
        {"[title] [a b]", "1/101 1/101"},
        {"\"a\"\"b\" $1.20 #12/25/97# 1y6m 1e5", "118 124 125 137 137"},
        {"my_var", "1 0 1"},
        {"x;y@z", "1 0 1 0 1"},
        {"s.GetLength()", "1 134 138 115 116"},
    };
    for (const LexCase& c : cases)
        EXPECT_EQ(Lex(NewContext(), c.text), c.tokens) << c.text;
}

TEST_F(ExprFixture, LexesEqualsAndSlashByTheContextsSettings) {
    QZExprContext& compares = NewContext();
    compares.SetEqualsCompares(TRUE);
    EXPECT_EQ(Lex(compares, "a = 1"), "1 110/100 106");
    QZExprContext& initialises = NewContext();
    initialises.SetAssignmentCode(115);
    EXPECT_EQ(Lex(initialises, "a = 1"), "1 114/101 106");
    EXPECT_EQ(Lex(NewContext(), "12/25/97", TRUE), "106 140 106 140 106");
}

TEST(QZExprContextLexer, ReadsConstantForms) {
    ExpectCases({
        {"42", "int:42"},
        {"007", "int:7"},
        {"12.", "double:12"},
        {".5", "double:0.5"},
        {".", "double:0"},
        {"3:5", "key:3:5"},
        {":5", "key:0:5"},
        {"3:5@image", "key:3:5"},
        {"1y6m", "span:18m0d"},
        {"2d12h", "span:0m2.5d"},
        {"1d1d2d", "span:0m2d"},
        {"3x2d", "span:0m2d"},
        {"1e5", "span:0m0d"},
        {"1Y", "span:0m0d"},
        {"$1.20", "cur:1.2"},
        {"$", "cur:0"},
        {"$.5", "cur:0.5"},
        {"$12.34564", "cur:12.3456"},
        {"$0.00005", "cur:0.0001"},
        {"$9999999999999999", "cur:invalid"},
        {"#12/25/97#", "date:1997-12-25 00:00:00"},
        {"#12/25/00#", "date:2000-12-25 00:00:00"},
        {"#1/2/05#", "date:1905-01-02 00:00:00"},
        {"#12-25-1997#", "date:1997-12-25 00:00:00"},
        {"# 12/25/97 14:30:15 #", "date:1997-12-25 14:30:15"},
        {"#12/25/97 #", "date:1997-12-25 00:00:00"},
        {"#2/30/98#", "date:invalid"},
        {"#March 14, 1999#", "date:1999-03-14 00:00:00"},
        {"\"a\"\"b\"", "str:a\"\"b"},
        {"\"\"", "str:"},
    });
}

TEST(QZExprContextLexer, KeyConstantsKeepTheirObjectType) {
    ExprPage page;
    EXPECT_EQ(page.Exec("3:5@image").GetResult()->GetKey().m_ObjectType, OBJ_IMAGE);
    EXPECT_EQ(page.Exec("3:6").GetResult()->GetKey().m_ObjectType, OBJ_PAGE);
}

TEST(QZExprContextLexer, DatesWithoutYearOrDateTakeTodays) {
    COleDateTime now = COleDateTime::GetCurrentTime();
    CString thisYear;
    thisYear.Format("date:%d-12-25 00:00:00", now.GetYear());
    CString today = "date:" + now.Format("%Y-%m-%d");
    ExpectCases({
        {"#12/25#", thisYear.str().c_str()},
        {"#14:30#", (today + " 14:30:00").str().c_str()},
        {"#14#", (today + " 14:00:00").str().c_str()},
    });
}

TEST(QZExprContextLexer, ReportsLexicalErrors) {
    COleDateTime now = COleDateTime::GetCurrentTime();
    CString december;
    december.Format("date:%d-12-25 00:00:00", now.GetYear());
    ExpectCases({
        {"\"abc", "str:abc", {"string constant missing closing \""}},
        {"[title",
         "str:!Error!",
         {"']' must end query field", "field [title is not valid outside of a query."}},
        {"#12/25", december.str().c_str(), {"invalid or unterminated date constant"}},
        {"#12/x#", "date:invalid", {"invalid or unterminated date constant"}},
        {"3:x", "key:3:0", {"key combo missing key ID"}},
        {"my_var", "none", {"invalid character _"}},
        {"1 + ?", "int:1", {"invalid character ?", "operand expected"}},
    });
}

TEST(QZExprContextLexer, NamesTokensForMessages) {
    ExprPage page;
    QZExprContext& context = page.NewContext();
    const std::pair<int, const char*> names[] = {
        {1, "identifier"},
        {126, "identifier"},
        {106, "integer constant"},
        {107, "+ or -"},
        {108, "*, / or %"},
        {109, "<, <=, >, or >="},
        {110, "== or <>"},
        {111, "and"},
        {112, "or"},
        {113, ","},
        {114, "= or :="},
        {115, "("},
        {116, ")"},
        {117, "floating-point constant"},
        {118, "string constant"},
        {119, "- (unary)"},
        {141, "not"},
        {121, ""},
        {-1, ""},
    };
    for (const auto& [token, name] : names)
        EXPECT_EQ(context.GetTokenName(token), name) << token;
}
