// Real program copies under the test's display: one copy a user, copies given a database path
// beside it, the settings written by the last copy only, and no entry left blocking by a copy
// that was killed.

#include "tests/shell/ProgramCopy.h"
#include "tests/shell/StartupFixture.h"

#include <filesystem>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

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
