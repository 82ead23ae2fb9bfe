// Literal text, comments and generic commands: what they write when run and when written back.

#include "template/parser/QZVantrelMemoFld.h"
#include "tests/template/FakeArgumentList.h"
#include "tests/template/FakeRunOwner.h"

#include <gtest/gtest.h>

namespace {

class LiteralCommands : public ::testing::Test {
protected:
    void Run(const char* text, SHORT type = OBJ_PAGE) {
        owner = std::make_unique<FakeRunOwner>(type);
        owner->Own(parser, QZVantrelContext::MODE_GENERATE);
        owner->outputFile = &file;
        parser.Parse(text);
        parser.Execute();
    }
    QZVantrelMemoFld parser;
    std::unique_ptr<FakeRunOwner> owner;
    MemoryFile file;
};

TEST_F(LiteralCommands, TextAroundACommandInAnAttributeIsWrittenInOrder) {
    Run("<a href=\"<<!x>>\">go</a>// note\nend");
    EXPECT_EQ(file.text, "<a href=\"\">go</a>end");
}

TEST_F(LiteralCommands, FormActionPassWritesNoLiteralText) {
    QZVantrelContext caller;
    owner = std::make_unique<FakeRunOwner>(OBJ_FORM);
    owner->Own(parser, QZVantrelContext::MODE_GENERATE);
    owner->outputFile = &file;
    owner->callingContext = &caller;
    parser.Parse("<form>text</form>");
    parser.Execute();
    EXPECT_EQ(file.text, "");
    owner->callingContext = nullptr;
    parser.Execute();
    EXPECT_EQ(file.text, "<form>text</form>");
    EXPECT_EQ(owner->runs, 2);
}

TEST_F(LiteralCommands, EventWithACallingContextRunsOnlyActions) {
    QZVantrelContext caller;
    owner = std::make_unique<FakeRunOwner>(OBJ_EVENT);
    owner->Own(parser, QZVantrelContext::MODE_GENERATE);
    owner->outputFile = &file;
    owner->callingContext = &caller;
    parser.Parse("text");
    parser.Execute();
    EXPECT_EQ(file.text, "");
}

TEST_F(LiteralCommands, GenericCommandWritesNothingAndRunsItsArguments) {
    FakeArgumentList::Install();
    Run("<<title>><<foo a=1>>");
    FakeArgumentList::Uninstall();
    EXPECT_EQ(file.text, "");
    auto* list =
        dynamic_cast<FakeArgumentList*>(parser.GetFirstStatement()->GetNext()->GetExprContext());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->runs, 1);
    EXPECT_EQ(list->keyType, -1);
    // In mode 4 the list compiled at parse time is not compiled again to run.
    EXPECT_EQ(list->parses, 1);
}

TEST_F(LiteralCommands, ArgumentListIsCompiledAgainWhenRunOutsideGenerateMode) {
    FakeArgumentList::Install();
    owner = std::make_unique<FakeRunOwner>();
    owner->Own(parser, QZVantrelContext::MODE_PLAIN);
    parser.Parse("<<foo a=1>>");
    parser.Execute();
    FakeArgumentList::Uninstall();
    auto* list = dynamic_cast<FakeArgumentList*>(parser.GetFirstStatement()->GetExprContext());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->parses, 2);
    EXPECT_EQ(list->GetMode(), QZVantrelContext::MODE_PLAIN);
}

TEST_F(LiteralCommands, WithoutTheExpressionLanguageArgumentsAreKeptAsText) {
    Run("<<foo a = 1,  b>>");
    CString written;
    parser.WriteSource(written);
    EXPECT_EQ(written, "<<foo a = 1,  b>>");
    EXPECT_TRUE(file.text.empty());
}

TEST_F(LiteralCommands, RunningCountsOneRunEvenWhenEmpty) {
    Run("");
    EXPECT_EQ(owner->runs, 1);
}

} // namespace
