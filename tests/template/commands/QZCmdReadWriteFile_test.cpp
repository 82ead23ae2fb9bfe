// readfile and writefile in a temporary folder: the text of each value type, append by the
// name's presence, a zero byte ending what is read, path mapping, and failures that leave the
// file as it was.

#include "tests/support/TestSupport.h"
#include "tests/template/TemplatePage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class FileCommandsTest : public ::testing::Test, public TemplatePage {
protected:
    // A template string constant naming a file of the temporary folder.
    std::string Name(const std::string& file) { return "\"" + dir.file(file) + "\""; }

    TempDir dir;
};

TEST_F(FileCommandsTest, WritesEachValueTypeAsItsText) {
    struct Case {
        const char* value;
        const char* text;
    };
    const Case cases[] = {
        {"7", "7"},
        {"-2.5", "-2.5"},
        {"$3.5", "3.5"},
        {"#1/5/1998 14:03#", "#01/05/1998 14:03:00#"},
        {"\"two words\"", "two words"},
        {"3:4", "3:4"},
        {"1d2h3n4s", "0y0m1d02h03n04s"},
    };
    for (const Case& c : cases) {
        WriteBytes(dir.file("v.txt"), "old text");
        Generate("<<writefile " + Name("v.txt") + ", " + c.value + ">>");
        EXPECT_EQ(Contents(dir.file("v.txt")), c.text) << c.value;
        EXPECT_TRUE(Messages().empty()) << c.value;
    }
}

TEST_F(FileCommandsTest, AWrittenDateInterpretsAsTheSameDate) {
    Generate("<<writefile " + Name("d.txt") + ", #12/31/1999 23:59:58#>><<readfile " +
             Name("d.txt") + ", stamp>>");
    EXPECT_EQ(Generate("<<interpret \"<<interpret \" + stamp + \">>\">>"),
              "Fri Dec 31 1999 23:59:58");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(FileCommandsTest, AppendsWhenTheListNamesAppend) {
    std::string name = Name("log.txt");
    Generate("<<writefile " + name + ", \"a\">><<writefile " + name + ", \"b\", append>>");
    EXPECT_EQ(Contents(dir.file("log.txt")), "ab");
    Generate("<<writefile " + name + ", 1, append = 0>>"); // only the name's presence counts
    EXPECT_EQ(Contents(dir.file("log.txt")), "ab1");
    Generate("<<writefile " + name + ", \"c\">>");
    EXPECT_EQ(Contents(dir.file("log.txt")), "c");
    // A page variable of that name is not the command's own: the file is replaced.
    Scope().SetInteger("append", 1);
    Generate("<<writefile " + name + ", \"d\", append>>");
    EXPECT_EQ(Contents(dir.file("log.txt")), "d");
}

TEST_F(FileCommandsTest, ReadsTheWholeFileUpToAZeroByte) {
    struct Case {
        std::string bytes;
        const char* text;
    };
    const Case cases[] = {
        {"line one\nline two", "line one\nline two"},
        {std::string("abc\0def", 7), "abc"},
        {"", ""},
    };
    for (const Case& c : cases) {
        WriteBytes(dir.file("in.txt"), c.bytes);
        Generate("<<readfile " + Name("in.txt") + ", body>>");
        ASSERT_NE(Var("body"), nullptr);
        EXPECT_EQ(Var("body")->GetString(), c.text);
        EXPECT_EQ(Var("body")->GetType(), QZSymbol::TYPE_STRING);
    }
    WriteBytes(dir.file("in.txt"), "<b>bold</b>");
    EXPECT_EQ(Generate("<<readfile " + Name("in.txt") + ", body>><<interpret body>>"),
              "<b>bold</b>");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(FileCommandsTest, WindowsNamesAreMappedToThisSystemsFolders) {
    ASSERT_EQ(0, ::setenv("MARQUILL_ROOT", dir.path().c_str(), 1));
    std::filesystem::create_directory(dir.path() / "site");
    Generate(
        "<<writefile \"C:\\site\\out.txt\", \"mapped\">><<readfile \"C:\\site\\out.txt\", t>>");
    ::unsetenv("MARQUILL_ROOT");
    EXPECT_EQ(Contents(dir.file("site/out.txt")), "mapped");
    EXPECT_EQ(Var("t")->GetString(), "mapped");
}

TEST_F(FileCommandsTest, ReadFailuresAreReportedAndChangeNothing) {
    WriteBytes(dir.file("in.txt"), "text");
    Scope().SetString("keep", "unchanged");
    std::string in = Name("in.txt");
    std::string missing = dir.file("missing.txt");
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"<<readfile 5, keep>>", "readfile: no filename specified"},
        {"<<readfile " + in + ">>", "readfile: no input buffer specified"},
        {"<<readfile " + in + ", \"literal\">>", "readfile: no input buffer specified"},
        {"<<readfile " + in + ", title>>", "readfile: no input buffer specified"},
        {"<<readfile " + in + ", keep + \"x\">>", "readfile: no input buffer specified"},
        {"<<readfile \"" + missing + "\", keep>>",
         "readfile: can't open file " + missing + " for reading"},
        {"<<readfile \"" + dir.path().string() + "\", keep>>",
         "readfile: can't open file " + dir.path().string() + " for reading"},
    };
    for (const Case& c : cases) {
        Generate(c.text);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.text;
        EXPECT_EQ(Var("keep")->GetString(), "unchanged") << c.text;
    }
    // The literal "literal" and the built-in title are as they were.
    EXPECT_EQ(Generate("<<interpret \"literal\">>"), "literal");
    EXPECT_EQ(Generate("<<interpret title>>"), "");
}

TEST_F(FileCommandsTest, WriteFailuresAreReportedAndLeaveTheFileAsItWas) {
    std::string out = Name("out.txt");
    Scope().Define("list", TRUE)->MakeArray()->GetElement(1, TRUE)->SetInteger(1);
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"<<writefile 5, \"x\">>", "writefile: no filename specified"},
        {"<<writefile " + out + ">>", "writefile: no output buffer specified"},
        {"<<writefile " + out + ", nothing>>", "right-hand side nothing does not have a value"},
        {"<<writefile " + out + ", list>>", "writefile: no output buffer specified"},
        {"<<writefile " + out + ", nothing, append>>",
         "right-hand side nothing does not have a value"},
    };
    for (const Case& c : cases) {
        WriteBytes(dir.file("out.txt"), "kept");
        Generate(c.text);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.text;
        EXPECT_EQ(Contents(dir.file("out.txt")), "kept") << c.text;
    }
    std::string folder = dir.path().string();
    Generate("<<writefile \"" + folder + "\", \"x\">>");
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"writefile: can't open file " + folder + " for writing"});
}

TEST_F(FileCommandsTest, WritesBackWithTheArgumentsAsWritten) {
    const char* text = "<<readfile \"a.txt\",  body>>x<<writefile \"b.txt\", 1:2, append>>";
    EXPECT_EQ(WriteBack(text, QZVantrelContext::MODE_REWRITE), text);
}

} // namespace
