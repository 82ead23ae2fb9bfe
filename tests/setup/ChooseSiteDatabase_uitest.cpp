// The set-up step's question for the site database, end to end: mqsetup's own code with the
// built setup extension and the desktop's real file chooser, the settings file, then mq30
// logging in to the chosen database.

// The platform's own definitions come before wx's.
#include "setup/MQSetup.h"
#include "tests/setup/SetupFixture.h"

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/registry/RegistryFile.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/FileChooserScript.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSettingsKey = "Software\\Zerin\\Marquill\\3.0\\Application";

std::string Setting(const char* name) {
    SECRegistry registry;
    CString value;
    if (registry.Connect(HKEY_CURRENT_USER) && registry.Open(kSettingsKey))
        registry.GetStringValue(name, value);
    return value.str();
}

// Starts mq30 with the test's folders, waits until it has logged its user in to `database`,
// and ends it as a desktop session would: TRUE when it logged in there and ended cleanly.
bool Mq30LogsInTo(const SetupFolders& folders, const std::string& database) {
    const std::string run = folders.file("run");
    fs::create_directories(run);
    fs::permissions(run, fs::perms::owner_all);
    const std::string command = "exec env " + folders.environment() + " XDG_RUNTIME_DIR='" + run +
                                "' '" MQ_MQ30_PROGRAM "' --no-splash";
    const pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    bool loggedIn = false;
    for (int waited = 0; waited < 20000 && !loggedIn; waited += 100) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        CDaoDatabase db;
        db.Open(database.c_str());
        CDaoRecordset users(&db);
        users.Open(dbOpenSnapshot, "SELECT * FROM CurrentUsers");
        loggedIn = !users.IsEOF();
        users.Close();
        db.Close();
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return loggedIn && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The set-up step's folders with a site database (DbID 4242) and a file that is none, and
// settings that the step must keep: values of the application key and of a key beneath it.
class ChooseSiteDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(folders.file("sites"));
        MakeSiteDatabase(chosen, 4242);
        std::ofstream(notADatabase) << "not a database";
        SECRegistry registry;
        ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
        ASSERT_TRUE(registry.CreateKey(kSettingsKey));
        ASSERT_TRUE(registry.SetStringValue("CGIAppRelPath", "/cgi/"));
        ASSERT_TRUE(registry.SetDoubleWordValue("OptionCodes", 115));
        ASSERT_TRUE(registry.CreateKey(CString(kSettingsKey) + "\\Bar"));
        ASSERT_TRUE(registry.SetStringValue("Layout", "docked"));
    }

    int RunChoice() { return RunSetup({"--choose-database"}, MQ_SELDLG32); }

    SetupFolders folders;
    const std::string chosen = folders.file("sites/chosen.mdb");
    const std::string notADatabase = folders.file("sites/notes.mdb");
    FileChooserScript user;
    const fs::path startedIn = fs::current_path();
};

TEST_F(ChooseSiteDatabaseTest, ASiteDatabaseChosenAfterAnotherFileIsWrittenAndOpenedByMq30) {
    user.Choose(notADatabase);
    user.Choose(chosen);

    ASSERT_EQ(RunChoice(), 0);

    ASSERT_EQ(user.shown.size(), 2u);
    // First the default database that the step made, then the folder of the refused file.
    EXPECT_EQ(user.shown[0].folder, folders.file("Marquill"));
    EXPECT_EQ(user.shown[0].selected, folders.file("Marquill/mq.mdb"));
    EXPECT_EQ(user.shown[1].folder, folders.file("sites"));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0], "Invalid Marquill Database:  " + notADatabase +
                                    "\n\nPlease locate the database you wish to access");
    EXPECT_EQ(Setting("VantrelDatabase"), chosen);
    EXPECT_EQ(Setting("VantrelDatabaseRoot"), folders.file("sites"));
    EXPECT_EQ(Setting("CGIAppRelPath"), "/cgi/");
    SECRegistry registry;
    DWORD options = 0;
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER) && registry.Open(kSettingsKey));
    EXPECT_TRUE(registry.GetDoubleWordValue("OptionCodes", options));
    EXPECT_EQ(options, 115u);
    ASSERT_TRUE(registry.Open(CString(kSettingsKey) + "\\Bar"));
    CString layout;
    EXPECT_TRUE(registry.GetStringValue("Layout", layout));
    EXPECT_EQ(layout, "docked");
    EXPECT_EQ(fs::current_path(), startedIn);

    EXPECT_TRUE(Mq30LogsInTo(folders, chosen));
}

TEST_F(ChooseSiteDatabaseTest, CancelWritesNothing) {
    {
        SECRegistry registry;
        ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER) && registry.Open(kSettingsKey));
        ASSERT_TRUE(registry.SetStringValue("VantrelDatabase", chosen.c_str()));
    }
    const std::string settings = FileBytes(RegistryFile::Path());
    user.Cancel();

    ASSERT_EQ(RunChoice(), 0);

    // The question starts from the database that the settings name.
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].folder, folders.file("sites"));
    EXPECT_EQ(user.shown[0].selected, chosen);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(FileBytes(RegistryFile::Path()), settings) << "the settings changed";
}

TEST_F(ChooseSiteDatabaseTest, CancelAfterARefusedFileWritesNothing) {
    const std::string settings = FileBytes(RegistryFile::Path());
    user.Choose(notADatabase);
    user.Cancel();

    ASSERT_EQ(RunChoice(), 0);

    EXPECT_EQ(user.shown.size(), 2u);
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(FileBytes(RegistryFile::Path()), settings) << "the settings changed";
    EXPECT_TRUE(Mq30LogsInTo(folders, folders.file("Marquill/mq.mdb")));
}

} // namespace
