// The set-up step's question for the site database, end to end: mqsetup's own code with the
// built setup extension and the desktop's real file chooser, the settings file, then mq30.

// The platform's own definitions come before wx's.
#include "setup/MQSetup.h"
#include "tests/setup/SetupFixture.h"

#include "platform/registry/RegistryFile.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/FileChooserScript.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

// What mq30 says when started with the test's folders.
std::string RunMq30(const SetupFolders& folders) {
    std::string output;
    const std::string command = folders.environment() + " '" MQ_MQ30_PROGRAM "' 2>&1";
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
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

    const std::string said = RunMq30(folders);
    EXPECT_NE(said.find("Site database: " + chosen + "\n"), std::string::npos) << said;
    EXPECT_NE(said.find("DbID 4242, version 1.30"), std::string::npos) << said;
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
    const std::string said = RunMq30(folders);
    EXPECT_NE(said.find("Site database: " + folders.file("Marquill/mq.mdb")), std::string::npos)
        << said;
}

} // namespace
