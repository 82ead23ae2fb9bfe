// Real program copies under the test's display: one copy a user, copies given a database path
// beside it, the settings written by the last copy only, and no entry left blocking by a copy
// that was killed.

#include "tests/shell/StartupFixture.h"

#include <filesystem>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string ProgramPath() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "../../app/mq30")
        .lexically_normal()
        .string();
}

// One mq30 started with the test's folders.
class Copy {
public:
    explicit Copy(const std::vector<std::string>& arguments) {
        m_pid = fork();
        if (m_pid == 0) {
            std::vector<char*> argv;
            static std::string program = ProgramPath();
            argv.push_back(program.data());
            std::vector<std::string> own = arguments;
            for (std::string& a : own)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
    }
    ~Copy() {
        if (m_pid > 0 && !m_ended) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    // The exit status, or -1 when it has not ended within the time.
    int Wait(int ms = 20000) {
        for (int waited = 0; waited < ms; waited += 50) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_ended = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }
    void Signal(int signal) { kill(m_pid, signal); }
    void Kill() {
        kill(m_pid, SIGKILL);
        Wait();
    }
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    bool m_ended = false;
};

class RunningCopiesTest : public StartupTest {
protected:
    RunningCopiesTest() {
        setenv("XDG_RUNTIME_DIR", folders.file("run").c_str(), 1);
        std::filesystem::create_directories(folders.file("run"));
        std::filesystem::permissions(folders.file("run"), std::filesystem::perms::owner_all);
        SetSetting("VantrelDatabase", databasePath.c_str());
    }
    ~RunningCopiesTest() override { unsetenv("XDG_RUNTIME_DIR"); }

    // Waits until the copy has entered itself in the list of running copies.
    bool Registered(const Copy& copy, int ms = 20000) {
        const std::string lock =
            folders.file("run/marquill/" + std::to_string(copy.pid()) + ".lock");
        for (int waited = 0; waited < ms; waited += 50) {
            if (std::filesystem::exists(lock) && Count("SELECT * FROM CurrentUsers") > 0)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
};

TEST_F(RunningCopiesTest, ClosingWritesTheSettingsAndRemovesTheUsersRow) {
    Copy copy({"--no-splash"});
    ASSERT_TRUE(Registered(copy));
    EXPECT_FALSE(HasSetting("UserName"));
    copy.Signal(SIGTERM);
    EXPECT_EQ(copy.Wait(), 0);
    EXPECT_TRUE(HasSetting("UserName"));
    EXPECT_TRUE(HasSetting("Size")) << "the main frame kept its placement as it closed";
    EXPECT_EQ(Setting("OptionCodes"), "115");
    EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 0);
    EXPECT_TRUE(std::filesystem::is_empty(folders.file("run/marquill")));
}

TEST_F(RunningCopiesTest, ASecondCopyEndsAndOneGivenAPathRunsBeside) {
    Copy first({"--no-splash"});
    ASSERT_TRUE(Registered(first));
    Copy second({"--no-splash"});
    EXPECT_EQ(second.Wait(), 0) << "the second copy ends at once";
    Copy withPath({"--no-splash", databasePath});
    ASSERT_TRUE(Registered(withPath));
    // The first copy exits while the other still runs: it writes no settings.
    first.Signal(SIGTERM);
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_FALSE(HasSetting("UserName"));
    withPath.Signal(SIGTERM);
    EXPECT_EQ(withPath.Wait(), 0);
    EXPECT_FALSE(HasSetting("UserName")) << "a run given a path writes no settings";
}

TEST_F(RunningCopiesTest, AKilledCopyBlocksNoLaterStart) {
    {
        Copy killed({"--no-splash"});
        ASSERT_TRUE(Registered(killed));
        killed.Kill();
    }
    Copy next({"--no-splash"});
    ASSERT_TRUE(Registered(next)) << "the dead copy's entry was cleared";
    EXPECT_EQ(next.Wait(500), -1) << "still running";
    next.Signal(SIGTERM);
    EXPECT_EQ(next.Wait(), 0);
    EXPECT_TRUE(HasSetting("UserName"));
}

} // namespace
