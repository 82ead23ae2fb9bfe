// Statement contexts: what they take from their parent, the error report and the token match.

#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/SymbolTable.h"
#include "tests/template/FakeRunOwner.h"

#include <gtest/gtest.h>

namespace {

TEST(QZVantrelContext, WithoutParentStartsPlainAndOwnerless) {
    QZVantrelContext context;
    EXPECT_EQ(context.GetMode(), QZVantrelContext::MODE_PLAIN);
    EXPECT_EQ(context.GetRunOwner(), nullptr);
    EXPECT_EQ(context.GetParent(), nullptr);
    context.Execute();
}

TEST(QZVantrelContext, TakesOwnersModeAndSettingsFromItsParentButNotTheErrorFlag) {
    QZVantrelMemoFld parser;
    FakeRunOwner owner;
    owner.Own(parser, QZVantrelContext::MODE_REWRITE);
    QZVantrelContext query;
    parser.SetQueryContext(&query);
    parser.SetTranslating(TRUE);
    parser.SetError(TRUE);
    QZVantrelStmtContext section(&parser, nullptr);
    EXPECT_EQ(section.GetMessageOwner(), &owner);
    EXPECT_EQ(section.GetRunOwner(), &owner);
    EXPECT_EQ(section.GetPageOwner(), &owner);
    EXPECT_EQ(section.GetMessageTarget(), &owner);
    EXPECT_EQ(section.GetQueryContext(), &query);
    EXPECT_EQ(section.GetMode(), QZVantrelContext::MODE_REWRITE);
    EXPECT_TRUE(section.IsTranslating());
    EXPECT_FALSE(section.HasError());
    EXPECT_EQ(section.GetSymbolTable(), parser.GetSymbolTable());
}

// Drives Match and ReportError over a text without parsing it.
class MatchProbe : public QZVantrelMemoFld {
public:
    void Start(const CString& text) {
        m_text = text;
        m_nPosition = 0;
        m_nLine = 1;
        m_nCurrentToken = NextToken();
    }
};

TEST(QZVantrelContext, MatchWithTheWrongTokenLeavesIt) {
    MatchProbe probe;
    FakeRunOwner owner;
    owner.Own(probe, QZVantrelContext::MODE_GENERATE);
    probe.Start("<<else>>\nx");
    probe.Match(TOKEN_ENDIF);
    EXPECT_EQ(probe.GetCurrentToken(), TOKEN_ELSE);
    probe.Match(TOKEN_ELSE);
    EXPECT_EQ(probe.GetCurrentToken(), TOKEN_HTML);
    ASSERT_EQ(owner.messages.size(), 1u);
    EXPECT_EQ(owner.messages[0],
              (FakeRunOwner::Message{0, "Syntax error: Expected /if, got else", 1}));
}

TEST(QZVantrelContext, ReportErrorSetsTheFlagInEveryModeAndPostsOnlyWhenGenerating) {
    MatchProbe probe;
    FakeRunOwner owner;
    owner.Own(probe, QZVantrelContext::MODE_PLAIN);
    probe.ReportError("x %s", "y");
    EXPECT_TRUE(probe.HasError());
    EXPECT_TRUE(owner.messages.empty());
    probe.SetMode(QZVantrelContext::MODE_GENERATE);
    probe.ReportError("x %s", "y");
    ASSERT_EQ(owner.messages.size(), 1u);
    EXPECT_EQ(owner.messages[0].text, "x y");
}

TEST(QZVantrelContext, CharacterReadingCountsLinesBothWays) {
    MatchProbe probe;
    probe.Start("");
    probe.Parse("a\nb");
    // Parse leaves the position at the end; read back over the text by hand.
    QZVantrelMemoFld& reader = probe;
    EXPECT_EQ(reader.GetLine(), 2);
    reader.UngetChar();
    reader.UngetChar();
    EXPECT_EQ(reader.GetLine(), 1);
    EXPECT_EQ(reader.GetChar(), '\n');
    EXPECT_EQ(reader.GetLine(), 2);
    EXPECT_EQ(reader.GetChar(), 'b');
    EXPECT_EQ(reader.GetChar(), 0);
    EXPECT_EQ(reader.GetChar(), 0);
    EXPECT_EQ(reader.GetPosition(), 5);
}

} // namespace
