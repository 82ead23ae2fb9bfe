// Command words whose classes are not linked in keep their text; registered classes replace
// them through the factory.

#include "template/commands/QZCmdStandIn.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "tests/template/FakeRunOwner.h"
#include "tests/template/TemplateTreeDump.h"

#include <gtest/gtest.h>

namespace {

// A print command for the test: writes its arguments.
class EchoCommand : public QZCommandBase {
public:
    EchoCommand(QZVantrelContext* context, const CString& arguments) : QZCommandBase(context) {
        m_source = arguments;
    }
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments) {
        return new EchoCommand(context, arguments);
    }
    void Execute() override { Write("[" + m_source + "]"); }
    void WriteSource(CString& text) override { text += "<<print " + m_source + ">>"; }
};

TEST(QZCmdStandIn, RunsNothingAndWritesItsTextBack) {
    QZVantrelMemoFld parser;
    FakeRunOwner owner;
    MemoryFile file;
    owner.Own(parser, QZVantrelContext::MODE_GENERATE);
    owner.outputFile = &file;
    const char* text = "a<<print  x >>b<<if y>>c<<ELSE>>d<</if >>e";
    parser.Parse(text);
    parser.Execute();
    EXPECT_EQ(file.text, "abe");
    CString written;
    parser.WriteSource(written);
    EXPECT_EQ(written, text);
}

TEST(QZCmdStandIn, RegisteredMakerReplacesTheStandIn) {
    QZCommandFactory::Register(TOKEN_PRINT, &EchoCommand::Make);
    QZVantrelMemoFld parser;
    FakeRunOwner owner;
    MemoryFile file;
    owner.Own(parser, QZVantrelContext::MODE_GENERATE);
    owner.outputFile = &file;
    parser.Parse("<<if a>><<print  x>><</if>><<print y>>");
    QZCommandFactory::Register(TOKEN_PRINT, nullptr);
    parser.Execute();
    EXPECT_EQ(file.text, "[y]");
    CString written;
    parser.WriteSource(written);
    EXPECT_EQ(written, "<<if a>><<print x>><</if>><<print y>>");
    EXPECT_EQ(QZCommandFactory::Find(TOKEN_PRINT), nullptr);
}

TEST(QZCmdStandIn, CommandWithSkippedCharactersIsKeptWhole) {
    QZVantrelMemoFld parser;
    parser.Parse("<<#title>>");
    ASSERT_NE(dynamic_cast<QZCmdStandIn*>(parser.GetFirstStatement()), nullptr);
    CString written;
    parser.WriteSource(written);
    EXPECT_EQ(written, "<<#title>>");
}

TEST(QZCmdStandIn, UntilTakesTheRepeatBody) {
    QZVantrelMemoFld parser;
    parser.Parse("<<repeat>>x<<until a>>");
    auto* until = dynamic_cast<QZCmdStandIn*>(parser.GetFirstStatement());
    ASSERT_NE(until, nullptr);
    EXPECT_EQ(until->GetToken(), TOKEN_UNTIL);
    ASSERT_NE(until->GetBody(), nullptr);
    EXPECT_EQ(until->GetBody()->GetOwningCommand(), until);
    EXPECT_EQ(until->GetBody()->GetParent(), &parser);
    EXPECT_EQ(DumpTree(until->GetBody()), "H(x)");
}

} // namespace
