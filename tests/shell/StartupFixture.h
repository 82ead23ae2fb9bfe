#pragma once
// Start-up and shut-down of the application object without a display: a real site database at
// the default path, the settings in a temporary folder, recorded message boxes and the window
// questions answered by the test.

#include "shell/CVantrel3App.h"
#include "shell/QZStartupWindows.h"
#include "tests/setup/SetupFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// The window questions as a test answers them.
class ScriptedWindows : public QZStartupWindows {
public:
    BOOL RegisterInstance() override { return TRUE; }
    void UnregisterInstance() override {}
    BOOL RaiseRunningCopy() override { return otherCopy; }
    BOOL AskDatabaseFile(CString* path) override;
    void ShowSplash(BOOL enabled) override { splashShown = enabled; }
    BOOL CreateMainFrame(CVantrel3App&) override {
        ++framesMade;
        return TRUE;
    }

    BOOL otherCopy = FALSE;
    // The files the file dialog answers, one a question; Cancel when none is left.
    std::vector<std::string> chosenFiles;
    std::vector<std::string> offeredFiles;
    BOOL splashShown = FALSE;
    int framesMade = 0;
};

class StartupTest : public ::testing::Test {
protected:
    StartupTest();

    // The settings value as text ("" when missing), and writing values before a start.
    std::string Setting(const char* name) const;
    bool HasSetting(const char* name) const;
    void SetSetting(const char* name, const char* value);
    void SetDwordSetting(const char* name, DWORD value);
    bool SettingsKeyExists() const;
    // The version text of the database at the path.
    void SetVersion(const std::string& path, const char* version);
    // Runs a SQL statement on the default database.
    void Execute(const std::string& sql, const std::string& path = "");
    // The number of rows a query finds in the default database.
    int Count(const std::string& sql);

    SetupFolders folders;
    std::string databasePath;
    MessageBoxRecorder boxes;
    ScriptedWindows windows;
    static constexpr LONG kDbId = 7;
};
