// The operations every command shares: output, errors, parameters, dependencies, URL encoding
// and attribute lists, and the freeing of long statement chains.

#include "template/commands/QZCmdHTML.h"
#include "template/commands/QZCommandBase.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "tests/template/FakeArgumentList.h"
#include "tests/template/FakeRunOwner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class QZCommandBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.Own(parser, QZVantrelContext::MODE_PLAIN);
        owner.outputFile = &file;
    }
    QZVantrelMemoFld parser;
    FakeRunOwner owner;
    MemoryFile file;
};

TEST_F(QZCommandBaseTest, WritesToTheOutputFile) {
    parser.Parse("x");
    QZCommandBase* command = parser.GetFirstStatement();
    command->Write("<p>");
    command->WriteText("abc");
    EXPECT_EQ(file.text, "<p>abc");
}

TEST_F(QZCommandBaseTest, WritesToTheMessageBodyWhenRunningAnEmailMessage) {
    FakeRunOwner message(OBJ_MESSAGE);
    message.Own(parser, QZVantrelContext::MODE_PLAIN);
    message.outputFile = &file;
    parser.Parse("Dear reader");
    parser.Execute();
    EXPECT_EQ(message.appended, "Dear reader");
    EXPECT_EQ(file.writes, 0);
}

TEST_F(QZCommandBaseTest, DropsOutputWithoutAFile) {
    owner.outputFile = nullptr;
    parser.Parse("text");
    parser.Execute();
    EXPECT_TRUE(owner.messages.empty());
}

TEST_F(QZCommandBaseTest, AWriteErrorIsReportedOnceAndFailsTheRun) {
    file.full = true;
    parser.Parse("one\n<b>two</b>\nthree");
    parser.Execute();
    EXPECT_TRUE(owner.IsOutputFailed());
    EXPECT_EQ(file.writes, 1);
    ASSERT_EQ(owner.messages.size(), 1u);
    EXPECT_EQ(owner.messages[0].text,
              "unable to write output: Disk full while accessing page.html.");
    EXPECT_EQ(owner.messages[0].line, 1);
}

TEST_F(QZCommandBaseTest, ErrorsReachTheOwnerInEveryModeWithTheCommandLine) {
    parser.Parse("a\nb<i>");
    QZCommandBase* tag = parser.GetFirstStatement()->GetNext();
    tag->Error("bad %s near %s", "x", "y");
    ASSERT_EQ(owner.messages.size(), 1u);
    EXPECT_EQ(owner.messages[0], (FakeRunOwner::Message{0, "bad x near y", 2}));
}

TEST_F(QZCommandBaseTest, CheckValueRejectsAnEntryWithoutValue) {
    parser.Parse("x");
    QZCommandBase* command = parser.GetFirstStatement();
    QZSymbol empty;
    empty.SetName("v");
    EXPECT_FALSE(command->CheckValue(&empty));
    EXPECT_EQ(owner.messages.back().text, "right-hand side v does not have a value");
    QZSymbol null;
    null.SetType(QZSymbol::TYPE_NULL);
    EXPECT_TRUE(command->CheckValue(&null));
    QZSymbol five;
    five.SetInteger(5);
    EXPECT_TRUE(command->CheckValue(&five));
}

TEST_F(QZCommandBaseTest, RecordsDependenciesOfPagesThatAreNotPreviewing) {
    parser.Parse("x");
    QZCommandBase* command = parser.GetFirstStatement();
    FakeRunOwner macro(OBJ_MACRO, QZKeyCombo(1, 7));
    command->RecordDependency(&owner, &macro);
    ASSERT_EQ(owner.dependents.size(), 1u);
    EXPECT_EQ(owner.dependents[0].obj, QZKeyCombo(1, 42));
    EXPECT_EQ(owner.dependents[0].objType, OBJ_PAGE);
    EXPECT_EQ(owner.dependents[0].use, QZKeyCombo(1, 7));
    EXPECT_EQ(owner.dependents[0].useType, OBJ_MACRO);
    owner.preview = TRUE;
    command->RecordDependency(&owner, &macro);
    command->RecordDependency(&macro, &owner);
    EXPECT_EQ(owner.dependents.size(), 1u);
    EXPECT_TRUE(macro.dependents.empty());
}

TEST_F(QZCommandBaseTest, EditPropertiesOfTheBaseGivesNothing) {
    parser.Parse("x");
    EXPECT_EQ(parser.GetFirstStatement()->EditProperties(), "");
}

TEST(QZCommandBaseUrlEncode, EncodesReservedAndUnsafeCharacters) {
    QZVantrelMemoFld parser;
    parser.Parse("x");
    QZCommandBase* command = parser.GetFirstStatement();
    const std::pair<const char*, const char*> cases[] = {
        {"a b&c", "a+b%26c"},
        {"%+;=?", "%25%2b%3b%3d%3f"},
        {"say \"<hi>\"", "say+%22%3chi%3e%22"},
        {"a\nb\tc", "a%0ab%09c"},
        {"caf\xc3\xa9", "caf%c3%a9"},
        {"/x-y_z.~", "/x-y_z.~"},
    };
    for (const auto& [text, encoded] : cases)
        EXPECT_EQ(command->URLEncode(text, FALSE), encoded) << text;
    EXPECT_EQ(command->URLEncode("/x", TRUE), "%2fx");
    EXPECT_EQ(command->URLEncode(" x", TRUE), "%20x");
}

TEST(QZCommandBaseAttributes, NextAttributeReadsOnePairAtATime) {
    CString list = " width = 10 , alt=\"a, b\",nowrap, border";
    CString name, value;
    ASSERT_TRUE(QZCommandBase::NextAttribute(list, name, value));
    EXPECT_EQ(name, "width");
    EXPECT_EQ(value, "10");
    ASSERT_TRUE(QZCommandBase::NextAttribute(list, name, value));
    EXPECT_EQ(name, "alt");
    EXPECT_EQ(value, "\"a, b\"");
    ASSERT_TRUE(QZCommandBase::NextAttribute(list, name, value));
    EXPECT_EQ(name, "nowrap");
    EXPECT_EQ(value, "");
    ASSERT_TRUE(QZCommandBase::NextAttribute(list, name, value));
    EXPECT_EQ(name, "border");
    EXPECT_EQ(list, "");
    EXPECT_FALSE(QZCommandBase::NextAttribute(list, name, value));
}

TEST(QZCommandBaseAttributes, RemoveAttributeJoinsTheRestWithSingleCommas) {
    const char* list = "width=10, border=0, height=5";
    EXPECT_EQ(QZCommandBase::RemoveAttribute(list, "border"), "width=10,height=5");
    EXPECT_EQ(QZCommandBase::RemoveAttribute(list, "WIDTH"), "border=0,height=5");
    EXPECT_EQ(QZCommandBase::RemoveAttribute(list, "height"), "width=10,border=0");
    EXPECT_EQ(QZCommandBase::RemoveAttribute(list, "alt"), "width=10,border=0,height=5");
    EXPECT_EQ(QZCommandBase::RemoveAttribute("a=\"x,y\",nowrap,b=1", "b"), "a=\"x,y\",nowrap");
}

TEST(QZCommandBaseChain, AMillionStatementsAreFreedWithoutRecursion) {
    auto context = std::make_unique<QZVantrelContext>();
    for (int i = 0; i < 1000000; i++)
        new QZCmdHTML(context.get(), "x");
    context->DeleteStatements();
    EXPECT_EQ(context->GetFirstStatement(), nullptr);
    for (int i = 0; i < 1000000; i++)
        new QZCmdHTML(context.get(), "x");
    context.reset();
}

class QZCommandBaseParams : public ::testing::Test {
protected:
    void SetUp() override { FakeArgumentList::Install(); }
    void TearDown() override { FakeArgumentList::Uninstall(); }
};

TEST_F(QZCommandBaseParams, FindsParametersByExactNameOrPositionAndType) {
    QZVantrelMemoFld parser;
    parser.Parse("<<param 5, name=\"n\", Key=7>>");
    QZCommandBase* command = parser.GetFirstStatement();
    EXPECT_EQ(command->FindNamedParam("name", QZSymbol::TYPE_STRING)->GetString(), "n");
    EXPECT_EQ(command->FindNamedParam("name", QZSymbol::TYPE_INTEGER), nullptr);
    EXPECT_EQ(command->FindNamedParam("key", QZSymbol::TYPE_INTEGER), nullptr);
    EXPECT_EQ(command->FindNamedParam("Key", QZSymbol::TYPE_INTEGER)->GetInteger(), 7);
    EXPECT_EQ(command->FindPositionalParam(1, QZSymbol::TYPE_INTEGER)->GetInteger(), 5);
    EXPECT_EQ(command->FindPositionalParam(4, QZSymbol::TYPE_INTEGER), nullptr);
    EXPECT_EQ(command->FindParam("missing", QZSymbol::TYPE_INTEGER)->GetInteger(), 5);
    EXPECT_EQ(command->FindParam("", QZSymbol::TYPE_STRING), nullptr);
}

TEST_F(QZCommandBaseParams, FollowsAReferenceOnce) {
    QZVantrelMemoFld parser;
    parser.Parse("<<param r=&t>>");
    QZCommandBase* command = parser.GetFirstStatement();
    QZSymbol* found = command->FindNamedParam("r", QZSymbol::TYPE_STRING);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->GetString(), "target");
}

} // namespace
