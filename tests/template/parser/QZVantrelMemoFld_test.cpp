// The template lexer: exact tokens of the language's own examples and of its traps.

#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/values/SymbolTable.h"
#include "tests/template/FakeRunOwner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Drives the lexer over a text without parsing it.
class LexerProbe : public QZVantrelMemoFld {
public:
    void Start(const CString& text) {
        m_text = text;
        m_nPosition = 0;
        m_nLine = 1;
    }
};

// One token as "H:text" (literal HTML), "C:text" (comment) or "token word|arguments".
std::string Describe(LexerProbe& lexer, int token) {
    if (token == TOKEN_HTML)
        return "H:" + lexer.GetTokenText().str();
    if (token == TOKEN_COMMENT && lexer.GetTokenText().Left(2) == "//")
        return "C:" + lexer.GetTokenText().str();
    return std::to_string(token) + " " + lexer.GetKeywordText().str() + "|" +
           lexer.GetArgumentText().str();
}

struct LexCase {
    const char* name;
    const char* text;
    std::vector<std::string> tokens;
    std::vector<std::string> errors;
};

class LexerTable : public ::testing::TestWithParam<LexCase> {};

TEST_P(LexerTable, GivesExactTokensAndErrors) {
    const LexCase& c = GetParam();
    LexerProbe lexer;
    FakeRunOwner owner;
    owner.Own(lexer, QZVantrelContext::MODE_GENERATE);
    lexer.Start(c.text);
    std::vector<std::string> tokens;
    for (int token = lexer.NextToken(); token != TOKEN_EOF && tokens.size() < 50;
         token = lexer.NextToken())
        tokens.push_back(Describe(lexer, token));
    EXPECT_EQ(tokens, c.tokens);
    std::vector<std::string> errors;
    for (const auto& m : owner.messages)
        errors.push_back(m.text);
    EXPECT_EQ(errors, c.errors);
}

const LexCase kLexCases[] = {
    {"SlashSplitsText", "a/b", {"H:a", "H:/b"}, {}},
    {"SchemeKeepsSlashes", "x://y", {"H:x://y"}, {}},
    {"TripleSlashAfterScheme", "file:///c", {"H:file:///c"}, {}},
    {"SlashesInsideQuotesStay", "say \"a//b\" ok", {"H:say \"a//b\" ok"}, {}},
    {"LineCommentKeepsItsLineFeed", "// note\nnext", {"C:// note\n", "H:next"}, {}},
    {"LineCommentAtEnd", "a // b", {"H:a ", "C:// b"}, {}},
    {"CommandInsideAttribute",
     "<a href=\"<<print url>>\">x</a>",
     {"H:<a href=\"", "1116 print|url", "H:\">x", "H:</a>"},
     {}},
    {"HtmlCommentWithSlashes", "<!-- x // y -->after", {"H:<!-- x // y -->", "H:after"}, {}},
    {"CommentTagAroundCommand",
     "<!-- <<print x>> // y -->z",
     {"H:<!-- ", "1116 print|x", "H: // y -->", "H:z"},
     {}},
    {"ClosingWord", "<</if>>", {"1103 /if|"}, {}},
    {"SpaceBeforeWord", "<< if x>>", {"1101 if|x"}, {}},
    {"WordsIgnoreCase", "<<IF x>>", {"1101 IF|x"}, {}},
    {"MissingSpaceAfterWord",
     "<<if(x)>>",
     {"1101 if|(x)"},
     {"white space must separate command and arguments"}},
    {"QuotedCloserStaysInArguments", "<<print \"a>>b\">>", {"1116 print|\"a>>b\""}, {}},
    {"SingleAngleInArguments", "<<print a>b>>", {"1116 print|a>b"}, {}},
    {"DoubledQuoteInString", "<<print \"a\"\">>\">>", {"1116 print|\"a\"\">>\""}, {}},
    {"UnknownWord", "<<foo x>>", {"1 foo|x"}, {}},
    {"BuiltInVariableWord", "<<title>>", {"126 title|"}, {}},
    {"CommentCommand", "<<!-- note -->>", {"1165 !|-- note --"}, {}},
    {"UnterminatedCommand", "<<print x", {"1116 print|x"}, {"unexpected end of file"}},
    {"UnterminatedString", "<<print \"abc>>", {"1116 print|\"abc>>"}, {"unexpected end of file"}},
    {"EndRightAfterAngles", "<<", {"1 |"}, {"unexpected end of file"}},
    {"SymbolBeforeWord",
     "<<#print x>>",
     {"1116 print|x"},
     {"unrecognized symbol # following '<<'"}},
    {"TagSlashSlash", "<//x", {"H:<", "C://x"}, {}},
    {"UnterminatedTag", "a<b", {"H:a", "H:<b"}, {}},
    {"EmptyTag", "<>x", {"H:<>", "H:x"}, {}},
    {"AngleInsideTagStays", "<a <>b", {"H:<a <>", "H:b"}, {}},
    {"SemicolonsInArguments", "<<query a; b; c>>", {"1122 query|a; b; c"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, LexerTable, ::testing::ValuesIn(kLexCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QZVantrelMemoFldLexer, RecordsTheFirstTwoSemicolonsOutsideStrings) {
    LexerProbe lexer;
    lexer.Start("<<query \";\"a; b; c>>");
    ASSERT_EQ(lexer.NextToken(), TOKEN_QUERY);
    EXPECT_EQ(lexer.GetFirstSemicolon(), 4);
    EXPECT_EQ(lexer.GetSecondSemicolon(), 7);
}

TEST(QZVantrelMemoFldLexer, KeepsTokenAndArgumentLines) {
    LexerProbe lexer;
    lexer.Start("one\n<<print\n x>>\n");
    ASSERT_EQ(lexer.NextToken(), TOKEN_HTML);
    EXPECT_EQ(lexer.GetTokenLine(), 1);
    ASSERT_EQ(lexer.NextToken(), TOKEN_PRINT);
    EXPECT_EQ(lexer.GetTokenLine(), 2);
    EXPECT_EQ(lexer.GetArgumentLine(), 3);
    EXPECT_EQ(lexer.GetArgumentText(), "x");
    ASSERT_EQ(lexer.NextToken(), TOKEN_HTML);
    EXPECT_EQ(lexer.GetLine(), 4);
    EXPECT_EQ(lexer.NextToken(), TOKEN_EOF);
    EXPECT_EQ(lexer.NextToken(), TOKEN_EOF);
}

TEST(QZVantrelMemoFldLexer, NulCharacterEndsTheText) {
    LexerProbe lexer;
    lexer.Start(CString(std::string("ab\0cd", 5)));
    ASSERT_EQ(lexer.NextToken(), TOKEN_HTML);
    EXPECT_EQ(lexer.GetTokenText(), "ab");
    EXPECT_EQ(lexer.NextToken(), TOKEN_EOF);
}

TEST(QZVantrelMemoFldLexer, UnknownWordIsNotAddedToTheKeywordTable) {
    LexerProbe lexer;
    lexer.Start("<<foo x>><<foo y>>");
    EXPECT_EQ(lexer.NextToken(), TOKEN_IDENTIFIER);
    EXPECT_EQ(lexer.NextToken(), TOKEN_IDENTIFIER);
    EXPECT_EQ(lexer.GetKeywordTable()->Find("foo", TRUE), nullptr);
    EXPECT_EQ(lexer.GetSymbolTable()->Find("foo", TRUE), nullptr);
}

TEST(QZVantrelMemoFldLexer, CommentTagFlagSurvivesBetweenTokens) {
    LexerProbe lexer;
    lexer.Start("<!-- <<print x>> // y -->");
    lexer.NextToken();
    EXPECT_TRUE(lexer.IsInCommentTag());
    lexer.NextToken();
    EXPECT_TRUE(lexer.IsInCommentTag());
    lexer.NextToken();
    EXPECT_FALSE(lexer.IsInCommentTag());
}

} // namespace
