// The program mqsetup as `./dev run` and an installer start it, without a display.

#include "res/Resources.h"
#include "shell/SiteDatabaseSettings.h"
#include "tests/setup/SetupFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

// Runs mqsetup with the arguments and no display; its exit status, and its output in *output.
int RunProgram(const SetupFolders& folders, const std::string& arguments, std::string* output) {
    const std::string log = folders.file("mqsetup.out");
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + folders.environment() +
                                " '" MQ_SETUP_PROGRAM "' " + arguments + " >'" + log + "' 2>&1";
    const int status = std::system(command.c_str());
    *output = FileBytes(log);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(MQSetupProgram, WithoutArgumentsItAsksNothingAndNamesTheDatabaseInNewSettings) {
    RegisterResources();
    SetupFolders folders;
    std::string output;
    EXPECT_EQ(RunProgram(folders, "", &output), 0) << output;
    EXPECT_TRUE(std::filesystem::exists(folders.file("Marquill/mq.mdb")));
    EXPECT_EQ(SiteDatabaseSettings::ReadDatabase(), folders.file("Marquill/mq.mdb").c_str());
    // Settings that are there already are left alone.
    CString error;
    ASSERT_TRUE(SiteDatabaseSettings::WriteDatabase(folders.file("other.mdb").c_str(), &error));
    EXPECT_EQ(RunProgram(folders, "", &output), 0) << output;
    EXPECT_EQ(SiteDatabaseSettings::ReadDatabase(), folders.file("other.mdb").c_str());
}

TEST(MQSetupProgram, TheQuestionLoadsTheExtensionBesideItAndNeedsADisplay) {
    SetupFolders folders;
    std::string output;
    EXPECT_EQ(RunProgram(folders, "--choose-database", &output), 1) << output;
    EXPECT_NE(output.find("mqsetup: no display to ask for the site database on"), std::string::npos)
        << output;
}

TEST(MQSetupProgram, AnUnknownArgumentIsAUsageError) {
    SetupFolders folders;
    std::string output;
    EXPECT_EQ(RunProgram(folders, "--ask", &output), 2) << output;
    EXPECT_NE(output.find("usage: mqsetup [--choose-database]"), std::string::npos) << output;
    EXPECT_FALSE(std::filesystem::exists(folders.file("Marquill"))) << "it went on";
}

} // namespace
