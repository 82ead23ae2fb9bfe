// The run command: a real program started without a shell, its argument text cut at blanks
// outside double quotes and nothing else in it interpreted, found on PATH, waited for unless
// nowait is given and then reaped all the same, holding none of our descriptors, and the
// messages of a program that is missing or cannot start.

#include "template/commands/QZCmdRun.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TestSupport.h"
#include "tests/template/TemplatePage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

// TRUE once no process of that id is left, not even a zombie.
bool Gone(pid_t pid, int timeoutMs = 5000) {
    std::string proc = "/proc/" + std::to_string(pid);
    for (int waited = 0;; waited += 10) {
        if (access(proc.c_str(), F_OK) != 0)
            return true;
        if (waited >= timeoutMs)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

class RunCommandTest : public ::testing::Test, public TemplatePage {
protected:
    void SetUp() override {
        setenv("MQ_ARGV_OUT", Record().c_str(), 1);
        unsetenv("MQ_ARGV_SLEEP_MS");
    }
    void TearDown() override {
        unsetenv("MQ_ARGV_OUT");
        unsetenv("MQ_ARGV_SLEEP_MS");
    }

    std::string Record() const { return dir.file("record.txt"); }
    // The values of the record's lines of that kind ("arg", "fd", "pid", "cwd") in order.
    std::vector<std::string> Recorded(const std::string& kind) {
        std::ifstream in(Record());
        std::vector<std::string> values;
        for (std::string line; std::getline(in, line);)
            if (line.rfind(kind + ":", 0) == 0)
                values.push_back(line.substr(kind.size() + 1));
        return values;
    }
    pid_t RecordedPid() {
        std::vector<std::string> pid = Recorded("pid");
        return pid.empty() ? -1 : std::stoi(pid[0]);
    }
    static std::string Program() { return std::string("\"") + MQ_ARGV_RECORDER + "\""; }

    TempDir dir;
};

TEST_F(RunCommandTest, TheArgumentTextIsCutAtBlanksOutsideQuotesOnly) {
    using Args = std::vector<std::string>;
    struct Case {
        const char* text;
        Args arguments;
    } cases[] = {
        {"", {}},
        {"  one   two\tthree  ", {"one", "two", "three"}},
        {"\"c d\" e", {"c d", "e"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\" x \"\"", {"", "x", ""}},
        {"\"open quote runs", {"open quote runs"}},
        {"; $HOME * ~ 'x' e\\f `ls` |&>", {";", "$HOME", "*", "~", "'x'", "e\\f", "`ls`", "|&>"}},
    };
    for (const Case& c : cases) {
        Args split;
        for (const CString& argument : QZCmdRun::SplitArguments(c.text))
            split.push_back(argument.str());
        EXPECT_EQ(split, c.arguments) << c.text;
    }
}

TEST_F(RunCommandTest, TheProgramGetsItsArgumentsLiterallyAndIsWaitedFor) {
    Scope().SetString("args", "a  b \"c d\" ; $HOME * 'x' \"\" e\\f");
    EXPECT_EQ(Generate("<<run " + Program() + ", args>>"), "");
    EXPECT_TRUE(Messages().empty());
    // Waited for: the record is there, and the process is gone.
    EXPECT_EQ(Recorded("arg"),
              (std::vector<std::string>{"a", "b", "c d", ";", "$HOME", "*", "'x'", "", "e\\f"}));
    pid_t pid = RecordedPid();
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(Gone(pid, 0));
}

TEST_F(RunCommandTest, TheProgramSharesOnlyTheStandardDescriptorsAndOurDirectory) {
    // A descriptor that a careless start would hand on.
    int inherited = open("/dev/null", O_RDONLY);
    ASSERT_GE(inherited, 3);
    Generate("<<run " + Program() + ">>");
    close(inherited);
    EXPECT_EQ(Recorded("fd"), (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(Recorded("cwd"), std::vector<std::string>{std::filesystem::current_path().string()});
    EXPECT_TRUE(Recorded("arg").empty());
}

TEST_F(RunCommandTest, AProgramNameWithoutASlashIsFoundOnPath) {
    std::filesystem::create_directory(dir.path() / "bin");
    std::filesystem::create_symlink(MQ_ARGV_RECORDER, dir.path() / "bin" / "mq-argv-recorder");
    std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    setenv("PATH", ((dir.path() / "bin").string() + ":" + path).c_str(), 1);
    Generate("<<run \"mq-argv-recorder\", \"found\">>");
    setenv("PATH", path.c_str(), 1);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Recorded("arg"), std::vector<std::string>{"found"});
}

TEST_F(RunCommandTest, NowaitReturnsAtOnceAndTheProgramIsReapedWhenItEnds) {
    setenv("MQ_ARGV_SLEEP_MS", "400", 1);
    for (const char* nowait : {"nowait", "nowait=0"}) {
        SCOPED_TRACE(nowait);
        std::filesystem::remove(Record());
        Generate("<<run " + Program() + ", \"late\", " + nowait + ">>");
        EXPECT_FALSE(std::filesystem::exists(Record()));
        EXPECT_TRUE(Messages().empty());
        ASSERT_NE(WaitForFile(Record()), "");
        EXPECT_EQ(Recorded("arg"), std::vector<std::string>{"late"});
        pid_t pid = RecordedPid();
        ASSERT_GT(pid, 0);
        EXPECT_TRUE(Gone(pid)) << "process " << pid << " left behind";
    }
}

TEST_F(RunCommandTest, AMissingProgramIsReported) {
    std::ofstream(dir.file("plain.txt")) << "not a program";
    struct Case {
        std::string text;
        const char* message;
    } cases[] = {
        {"<<run \"no-such-program-mq\">>",
         "1: run: the program no-such-program-mq unable to execute"},
        {"<<run \"" + dir.file("plain.txt") + "\">>", nullptr},
        {"<<run \"\">>", "1: run: no program specified"},
        {"<<run 12, \"a\">>", "1: run: no program specified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Generate(c.text), "");
        std::string expected =
            c.message != nullptr
                ? c.message
                : "1: run: the program " + dir.file("plain.txt") + " unable to execute";
        EXPECT_EQ(Lines(), std::vector<std::string>{expected});
    }
}

TEST_F(RunCommandTest, WritesItselfBack) {
    EXPECT_EQ(WriteBack("<<run \"report\",  \"a b\", nowait>>", QZVantrelContext::MODE_REWRITE),
              "<<run \"report\",  \"a b\", nowait>>");
}

} // namespace
