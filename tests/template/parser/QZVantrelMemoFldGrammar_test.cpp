// The template grammar: every block form builds its tree, and syntax errors carry the right
// texts and lines, delivered only when generating.

#include "template/parser/QZVantrelMemoFld.h"
#include "tests/template/FakeRunOwner.h"
#include "tests/template/TemplateTreeDump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Message = FakeRunOwner::Message;

struct GrammarCase {
    const char* name;
    const char* text;
    const char* tree;
    std::vector<Message> errors;
};

class GrammarTable : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(GrammarTable, BuildsTheTreeAndReportsErrorsWithLines) {
    const GrammarCase& c = GetParam();
    QZVantrelMemoFld parser;
    FakeRunOwner owner;
    owner.Own(parser, QZVantrelContext::MODE_GENERATE);
    parser.Parse(c.text);
    EXPECT_EQ(DumpTree(&parser), c.tree);
    EXPECT_EQ(owner.messages, c.errors);
    EXPECT_EQ(parser.HasError(), !c.errors.empty());
}

const GrammarCase kGrammarCases[] = {
    {"IfElse", "<<if a>>x<<else>>y<</if>>", "if{H(x)}else{H(y)}", {}},
    {"IfWithoutElse", "<<if a>>x<</if>>z", "if{H(x)} H(z)", {}},
    {"WordsIgnoreCase", "<<IF a>>x<<ELSE>>y<</If>>", "if{H(x)}else{H(y)}", {}},
    {"NestedBlocks", "<<if a>><<while b>>x<</while>><</if>>", "if{while{H(x)}}", {}},
    {"QueryBody", "<<query k>>R<</query>>", "query{H(R)}", {}},
    {"QueryAllSections",
     "<<query k>><<firstrow>>F<</firstrow>>R<<norows>>N<</query>>",
     "query{}first{H(F)}after{H(R)}norows{H(N)}",
     {}},
    {"QueryNoRows", "<<query k>>R<<norows>>N<</query>>", "query{H(R)}norows{H(N)}", {}},
    {"WhenCases",
     "<<when x>>\n<<is 1>>a<<is 2>>b<</when>>",
     "when case{H(\n)}case{is H(a)}case{is H(b)}",
     {}},
    {"WhenWithoutText", "<<when x>><<is 1>>a<</when>>", "when case{}case{is H(a)}", {}},
    {"RepeatUntil", "<<repeat>>x<<until a>>y", "until body{H(x)} H(y)", {}},
    {"ExtLink", "<<extlink u>>x<</extlink>>", "extlink{H(x)}", {}},
    {"Link", "<<link linkid=1:2>>x<</link>>", "link{H(x)}", {}},
    {"Group", "<<group g>>x<</group>>", "group{H(x)}", {}},
    {"Encrypt", "<<encrypt>>x<</encrypt>>", "encrypt{H(x)}", {}},
    {"For", "<<for i=1>>x<</for>>", "for{H(x)}", {}},
    {"Media", "<<media m>>x<</media>>", "media{H(x)}", {}},
    {"Java", "<<java j>>x<</java>>", "java{H(x)}", {}},
    {"ActiveX", "<<activex a>>x<</activex>>", "activex{H(x)}", {}},
    {"SimpleCommands",
     "<<print x>><<file f>><<printfile f>><<param a=1>><<!c>>// d\n",
     "print file file param(a=1) C(<<!c>>) C(// d\n)",
     {}},
    {"UnknownWordWarns",
     "a\n<<foo x>>",
     "H(a\n) G(foo|x)",
     {{0, "warning: unrecognized\tMarquill command foo", 2}}},
    {"BuiltInVariableWarns",
     "<<title>>",
     "G(title|)",
     {{0, "warning: unrecognized\tMarquill command title", 1}}},
    {"LinkIdIsAnOrdinaryWord",
     "<<linkid>>",
     "G(linkid|)",
     {{0, "warning: unrecognized\tMarquill command linkid", 1}}},
    {"UnclosedIf",
     "<<if a>>\nx\n",
     "if{H(\nx\n)}",
     {{0, "Syntax error: Expected /if, got EOF", 3}}},
    {"StrayCloser", "a\n<</if>>\nb", "H(a\n) /if H(\nb)", {{0, "Syntax Error: unexpected /if", 2}}},
    {"StrayElseUntilAndFunction",
     "<<else>><<until x>><<and>><<strlen s>>",
     "else until and strlen",
     {{0, "Syntax Error: unexpected else", 1},
      {0, "Syntax Error: unexpected ", 1},
      {0, "Syntax Error: unexpected ", 1},
      {0, "Syntax Error: unexpected ", 1}}},
    {"MisplacedCloserInsideBlocks",
     "<<if a>>\n<<while b>>x\n<</link>>y",
     "if{H(\n) while{H(x\n)}} /link H(y)",
     {{0, "Syntax error: Expected /while, got /link", 3},
      {0, "Syntax error: Expected /if, got /link", 3},
      {0, "Syntax Error: unexpected /link", 3}}},
    {"InnerCloserMissing",
     "<<if a>><<while b>>x<</if>>",
     "if{while{H(x)}}",
     {{0, "Syntax error: Expected /while, got /if", 1}}},
    {"TwoTextsBeforeFirstCase",
     "<<when x>>a<b><<is 1>>y<</when>>",
     "when case{H(a)} H(<b>) is H(y) /when",
     {{0, "Syntax error: Expected /when, got HTML", 1},
      {0, "Syntax Error: unexpected is", 1},
      {0, "Syntax Error: unexpected /when", 1}}},
    {"RepeatWithoutUntil",
     "<<repeat>>x",
     "repeat body{H(x)}",
     {{0, "Syntax error: Expected , got EOF", 1}}},
    {"FirstRowMustFollowQuery",
     "<<query k>>R<<firstrow>>F<</firstrow>><</query>>",
     "query{H(R)} firstrow H(F) /firstrow /query",
     {{0, "Syntax error: Expected /query, got ", 1},
      {0, "Syntax Error: unexpected ", 1},
      {0, "Syntax Error: unexpected ", 1},
      {0, "Syntax Error: unexpected /query", 1}}},
    {"WhiteSpaceMissingAfterWord",
     "<<if(x)>>a<</if>>",
     "if{H(a)}",
     {{0, "white space must separate command and arguments", 1}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, GrammarTable, ::testing::ValuesIn(kGrammarCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QZVantrelMemoFldGrammar, SyntaxErrorsOutsideGenerateModeOnlySetTheErrorFlag) {
    for (SHORT mode : {QZVantrelContext::MODE_FIRST, QZVantrelContext::MODE_PLAIN,
                       QZVantrelContext::MODE_REWRITE}) {
        QZVantrelMemoFld parser;
        FakeRunOwner owner;
        owner.Own(parser, mode);
        parser.Parse("<<if a>>x<<foo>>");
        EXPECT_TRUE(owner.messages.empty());
        EXPECT_TRUE(parser.HasError());
        EXPECT_EQ(DumpTree(&parser), "if{H(x) G(foo|)}");
    }
}

TEST(QZVantrelMemoFldGrammar, ParserWithoutOwnerStartsInPlainModeAndReportsNothing) {
    QZVantrelMemoFld parser;
    EXPECT_EQ(parser.GetMode(), QZVantrelContext::MODE_PLAIN);
    parser.Parse("<</if>>");
    EXPECT_TRUE(parser.HasError());
    parser.Parse("fine");
    EXPECT_FALSE(parser.HasError());
}

TEST(QZVantrelMemoFldGrammar, CommandsTakeTheLineOfTheirOwnToken) {
    QZVantrelMemoFld parser;
    FakeRunOwner owner;
    owner.Own(parser, QZVantrelContext::MODE_PLAIN);
    parser.Parse("a\n<<if x>>\n<<while y>>\n\n<<foo>><</while>><</if>>");
    QZCommandBase* ifCommand = parser.GetFirstStatement()->GetNext();
    EXPECT_EQ(ifCommand->GetLine(), 2);
    QZVantrelStmtContext* then = ifCommand->GetSection(QZCommandBase::SECTION_BODY);
    QZCommandBase* whileCommand = then->GetFirstStatement()->GetNext();
    EXPECT_EQ(whileCommand->GetLine(), 3);
    QZCommandBase* generic =
        whileCommand->GetSection(QZCommandBase::SECTION_BODY)->GetFirstStatement()->GetNext();
    EXPECT_EQ(DumpCommand(generic), "G(foo|)");
    EXPECT_EQ(generic->GetLine(), 5);
}

TEST(QZVantrelMemoFldGrammar, SectionsBelongToTheirCommandAndShareTheVariables) {
    QZVantrelMemoFld parser;
    parser.Parse("<<if a>>x<<else>>y<</if>>");
    QZCommandBase* command = parser.GetFirstStatement();
    for (auto role : {QZCommandBase::SECTION_BODY, QZCommandBase::SECTION_ELSE}) {
        QZVantrelStmtContext* section = command->GetSection(role);
        EXPECT_EQ(section->GetOwningCommand(), command);
        EXPECT_EQ(section->GetParent(), &parser);
        EXPECT_EQ(section->GetSymbolTable(), parser.GetSymbolTable());
    }
}

TEST(QZVantrelMemoFldGrammar, ParsingAgainReplacesTheTree) {
    QZVantrelMemoFld parser;
    parser.Parse("<<if a>>x<</if>>");
    parser.Parse("y");
    EXPECT_EQ(DumpTree(&parser), "H(y)");
}

// One level of statements deep enough that freeing it recursively would exhaust the stack.
TEST(QZVantrelMemoFldGrammar, LongPagesParseAndFreeWithoutDeepRecursion) {
    std::string page;
    for (int i = 0; i < 200000; i++)
        page += "<b>x</b>";
    auto parser = std::make_unique<QZVantrelMemoFld>();
    parser->Parse(CString(page));
    CString written;
    parser->WriteSource(written);
    EXPECT_EQ(written.str(), page);
    parser.reset();
}

TEST(QZVantrelMemoFldGrammar, BlocksNestedTooDeeplyAreKeptAsText) {
    std::string page;
    for (int i = 0; i < 5000; i++)
        page += "<<if a>>x";
    for (int i = 0; i < 5000; i++)
        page += "<</if>>";
    QZVantrelMemoFld parser;
    FakeRunOwner owner;
    owner.Own(parser, QZVantrelContext::MODE_GENERATE);
    parser.Parse(CString(page));
    CString written;
    parser.WriteSource(written);
    EXPECT_EQ(written.str(), page);
    ASSERT_FALSE(owner.messages.empty());
    EXPECT_EQ(owner.messages[0].text, "Syntax Error: blocks nested too deeply");
    std::string shallow = "<<if a>><<while b>>x<</while>><</if>>";
    parser.Parse(CString(shallow));
    EXPECT_EQ(DumpTree(&parser), "if{while{H(x)}}");
}

} // namespace
