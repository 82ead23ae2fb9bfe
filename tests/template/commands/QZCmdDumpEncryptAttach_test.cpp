// dump lists the scopes outwards from where it stands; encrypt frames its body's output;
// attach checks and keeps a file name.

#include "template/commands/QZCmdAttach.h"
#include "tests/template/TemplatePage.h"

#include <gtest/gtest.h>

namespace {

class BlockCommandsTest : public ::testing::Test, public TemplatePage {};

TEST_F(BlockCommandsTest, DumpListsTheInnerScopeBeforeTheEnclosingOnes) {
    Scope().SetInteger("x", 5);
    Scope().SetString("code", "<<interpret y = 2>><<dump>>");
    std::string output = Generate("<<interpret code>>");
    const char* header = "<H3>Symbol Table Dump:</H3>\n<P>\n";
    ASSERT_EQ(output.rfind(std::string("2") + header, 0), 0u) << output;
    size_t inner = output.find("\ny=2<br>\n");
    size_t page = output.find("\nx=5<br>\n");
    size_t words = output.find("\ndump=reserved word or record member<br>\n");
    EXPECT_LT(inner, page);
    EXPECT_LT(page, words);
    EXPECT_NE(words, std::string::npos);
    EXPECT_EQ(inner, output.rfind("\ny=2<br>\n")); // in the inner scope alone
}

TEST_F(BlockCommandsTest, DumpIsWrittenBackWithoutArguments) {
    EXPECT_EQ(WriteBack("a<<dump>>b", QZVantrelContext::MODE_REWRITE), "a<<dump>>b");
}

TEST_F(BlockCommandsTest, EncryptFramesTheOutputOfItsBody) {
    Scope().SetInteger("n", 3);
    EXPECT_EQ(Generate("a<<encrypt>>x<<interpret n>><</encrypt>>b"), "aEncrypt\nx3\n.\nb");
    EXPECT_EQ(WriteBack("<<encrypt>>x<</encrypt>>", QZVantrelContext::MODE_REWRITE),
              "<<Encrypt>>x<</Encrypt>>");
    // The capitalised words read back as the same block.
    EXPECT_EQ(Generate("<<Encrypt>>x<</Encrypt>>"), "Encrypt\nx\n.\n");
    // Modes 1 and 2 write the opening alone, as for every block.
    parser.SetMode(QZVantrelContext::MODE_PLAIN);
    parser.Parse("<<encrypt>>x<</encrypt>>");
    CString opening;
    parser.GetFirstStatement()->WriteSource(opening);
    EXPECT_EQ(opening, "<<Encrypt>>");
}

TEST_F(BlockCommandsTest, AttachKeepsAFileNameAndRefusesAnyOtherArgument) {
    Generate("<<attach \"report.pdf\">>");
    auto* attach = dynamic_cast<QZCmdAttach*>(parser.GetFirstStatement());
    ASSERT_NE(attach, nullptr);
    EXPECT_EQ(attach->GetAttachment(), "report.pdf");
    EXPECT_TRUE(Messages().empty());
    for (const char* text : {"<<attach \"\">>", "<<attach 5>>"}) {
        EXPECT_EQ(Generate(text), "");
        EXPECT_EQ(Messages(), std::vector<std::string>{"attach: no valid attachment specified"})
            << text;
    }
    const char* text = "<<attach file=\"a.pdf\">>";
    EXPECT_EQ(WriteBack(text, QZVantrelContext::MODE_REWRITE), text);
}

} // namespace
