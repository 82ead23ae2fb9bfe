// The file command (also spelled printfile): a file copied into the output block by block,
// zero bytes left out and everything else kept, path mapping, and the messages of a missing
// name or file.

#include "tests/support/TestSupport.h"
#include "tests/template/TemplatePage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

class FileCommandTest : public ::testing::Test, public TemplatePage {
protected:
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir.file(name), std::ios::binary) << bytes;
    }
    std::string Name(const std::string& file) { return "\"" + dir.file(file) + "\""; }

    TempDir dir;
};

// A text of that length whose bytes run through the letters.
std::string Letters(size_t length) {
    std::string text;
    for (size_t i = 0; i < length; i++)
        text += static_cast<char>('a' + i % 26);
    return text;
}

TEST_F(FileCommandTest, CopiesAFileInBlocksOf1023Bytes) {
    std::string content = Letters(3000);
    Write("big.txt", content);
    for (const char* word : {"file", "printfile"}) {
        SCOPED_TRACE(word);
        output.writes = 0;
        EXPECT_EQ(Generate("<<" + std::string(word) + " " + Name("big.txt") + ">>"), content);
        // 1023, 1023 and 954 bytes.
        EXPECT_EQ(output.writes, 3);
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(FileCommandTest, LeavesOutZeroBytesOnlyAndKeepsTheRestOfEveryBlock) {
    std::string content = Letters(2500);
    for (size_t i = 0; i < content.size(); i += 97)
        content[i] = '\0';
    Write("zeros.bin", content);
    std::string expected;
    for (char c : content)
        if (c != '\0')
            expected += c;
    EXPECT_EQ(Generate("[<<file " + Name("zeros.bin") + ">>]"), "[" + expected + "]");
    Write("only.bin", std::string(5, '\0'));
    EXPECT_EQ(Generate("[<<file " + Name("only.bin") + ">>]"), "[]");
}

TEST_F(FileCommandTest, AWindowsPathIsMappedUnderTheDriveRoot) {
    Write("mapped.txt", "mapped text");
    setenv("MARQUILL_ROOT", dir.path().c_str(), 1);
    EXPECT_EQ(Generate("<<file \"C:\\mapped.txt\">>"), "mapped text");
    unsetenv("MARQUILL_ROOT");
}

TEST_F(FileCommandTest, AMissingNameOrFileIsReported) {
    struct Case {
        std::string text;
        std::string message;
    } cases[] = {
        {"<<file " + Name("none.txt") + ">>",
         "1: file: can't open file " + dir.file("none.txt") + " for reading"},
        {"\n<<printfile " + Name("") + ">>",
         "2: file: can't open file " + dir.file("") + " for reading"},
        {"<<file \"\">>", "1: file: no filename specified"},
        {"<<file 7>>", "1: file: no filename specified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Generate(c.text), c.text[0] == '\n' ? "\n" : "");
        EXPECT_EQ(Lines(), std::vector<std::string>{c.message});
    }
}

TEST_F(FileCommandTest, BothSpellingsAreWrittenBackAsFile) {
    EXPECT_EQ(
        WriteBack("<<file \"a.txt\">><<printfile  \"b.txt\">>", QZVantrelContext::MODE_REWRITE),
        "<<file \"a.txt\">><<file \"b.txt\">>");
}

} // namespace
