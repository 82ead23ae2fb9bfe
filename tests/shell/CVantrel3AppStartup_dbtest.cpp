// Start-up and shut-down on real site databases and settings files.

#include "content/QZEngineMessage.h"
#include "db/QZDbUpdate.h"
#include "db/QZDbUpdateFaults.h"
#include "platform/core/CException.h"
#include "tests/shell/StartupFixture.h"

#include <filesystem>
#include <fstream>

namespace {

std::string VersionText(const std::string& path, const char* version, const char* ending) {
    return std::string("Program Build:             3.0 (Build 318)\n\nDatabase Version:       1.30"
                       "\n\n\nThe database located at: ") +
           path + " doesn't match the version expected by the program." +
           "\n\nExpected Database Version: 1.30\nActual Database Version: " + version + ending;
}

constexpr const char* kUpdateEnding =
    "\n\nSelect \"Yes\" to update your database.  Select \"no\" to close Marquill.";
constexpr const char* kNewerEnding =
    "\n\nPlease re-install Marquill.  If this does not solve the problem, \nPlease contact "
    "Zerin for assistance.";

TEST_F(StartupTest, TheDefaultDatabaseOpensAndTheUserIsLoggedInAndOutAgain) {
    SetSetting("VantrelDatabase", databasePath.c_str());
    {
        CVantrel3App app;
        app.SetStartupWindows(&windows);
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(app.m_lDbID, kDbId);
        EXPECT_EQ(app.m_strDatabaseVersion, "1.30");
        EXPECT_EQ(windows.framesMade, 1);
        EXPECT_TRUE(windows.splashShown);
        EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 1);
        // The account's author was added and is the current user.
        EXPECT_EQ(Count("SELECT * FROM Authors WHERE AuthorName = '" +
                        CVantrel3App::GetLoginName().str() + "'"),
                  1);
        app.ExitInstance();
        EXPECT_FALSE(app.m_VantrelDb.IsOpen());
    }
    EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 0);
    EXPECT_TRUE(boxes.texts().empty()) << "the settings key was there from the start";
}

TEST_F(StartupTest, AMissingKeyGivesDefaultsAndItsMessageAndIsCreatedWithEveryValueAtExit) {
    ASSERT_FALSE(SettingsKeyExists());
    CVantrel3App app;
    app.SetStartupWindows(&windows);
    ASSERT_TRUE(app.InitInstance());
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0], "Couldn't access the registry. \n\n Attempting to use defaults.");
    app.ExitInstance();
    const CString user = app.m_UserKey.FormatFull();
    EXPECT_EQ(Setting("UserName"), user.str());
    EXPECT_EQ(Setting("SelectedService"), "0:0");
    EXPECT_EQ(Setting("SelectedSection"), "0:0");
    EXPECT_EQ(Setting("VantrelDatabase"), databasePath);
    EXPECT_EQ(Setting("VantrelDatabaseRoot"), folders.file("Marquill"));
    EXPECT_EQ(Setting("VantrelRoot"), folders.file("Marquill"));
    EXPECT_EQ(Setting("CGIAppType"), "CGI-BIN");
    EXPECT_EQ(Setting("CGIAppRelPath"), "/CGI-BIN/");
    EXPECT_EQ(Setting("VantrelColor"), std::to_string(0xB0));
    EXPECT_EQ(Setting("HTMLColor"), std::to_string(0xFF0000));
    EXPECT_EQ(Setting("TextColor"), "0");
    EXPECT_EQ(Setting("CommentColor"), std::to_string(0x329632));
    EXPECT_EQ(Setting("BracketColor"), std::to_string(0xA0A0A0));
    EXPECT_EQ(Setting("OptionCodes"), "115");
}

TEST_F(StartupTest, StoredValuesAreReadByTheirRules) {
    const struct {
        const char* name;
        const char* value;
    } settings[] = {{"CGIAppType", "cgi-win"}, {"CGIAppRelPath", ""}, {"VantrelRoot", ""}};
    for (const auto& s : settings)
        SetSetting(s.name, s.value);
    SetDwordSetting("OptionCodes", 4);
    SetDwordSetting("HTMLColor", 0x123456);
    CVantrel3App app;
    app.SetStartupWindows(&windows);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(app.m_bCGIBINMode) << "only \"CGI-WIN\" exactly clears it";
    EXPECT_EQ(app.m_strCGIAppRelPath, "/CGI-BIN/");
    EXPECT_EQ(app.m_strVantrelRoot, folders.file("Marquill").c_str());
    EXPECT_TRUE(app.m_bVerboseMessages);
    EXPECT_FALSE(g_bUseWizards);
    EXPECT_EQ(g_EditorColors.html, 0x123456u);
    EXPECT_EQ(app.m_strDatabasePath, databasePath.c_str()) << "a missing value keeps the default";
    EXPECT_TRUE(boxes.texts().empty());
    app.ExitInstance();
    EXPECT_EQ(Setting("OptionCodes"), "4");
    app.UnpackOptionCodes(115);
    g_EditorColors = QZEditorColors();
}

TEST_F(StartupTest, AnEmptyDatabaseValueGivesItsMessageAndTheProgramFolderDatabase) {
    SetSetting("SetupMarquillDir", folders.file("prog").c_str());
    SetSetting("VantrelDatabase", "");
    CVantrel3App app;
    app.SetStartupWindows(&windows);
    EXPECT_FALSE(app.InitInstance()) << "nothing is at that path and the dialog is cancelled";
    EXPECT_EQ(app.m_strDatabasePath, (folders.file("prog") + "/SYSTEM/MQ.MDB").c_str());
    ASSERT_GE(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0], "MQ database location not found in the registry.\nUsing defaults.");
    app.ExitInstance();
}

TEST_F(StartupTest, AnInvalidDatabaseIsReportedAndTheChosenFileOpensAndIsStoredAtOnce) {
    const std::string other = folders.file("other/site.mdb");
    std::filesystem::create_directories(folders.file("other"));
    MakeSiteDatabase(other, 9);
    const std::string missing = folders.file("gone.mdb");
    SetSetting("VantrelDatabase", missing.c_str());
    windows.chosenFiles = {folders.file("notes.txt"), other};
    { std::ofstream(folders.file("notes.txt")) << "not a database"; }
    CVantrel3App app;
    app.SetStartupWindows(&windows);
    ASSERT_TRUE(app.InitInstance());
    ASSERT_EQ(boxes.texts().size(), 2u);
    EXPECT_EQ(boxes.texts()[0], "Invalid Marquill Database:  " + missing +
                                    "\n\nPlease locate the database you wish to access");
    EXPECT_EQ(boxes.shown()[0].type, MB_OK | MB_ICONQUESTION);
    EXPECT_EQ(boxes.texts()[1], "Invalid Marquill Database:  " + folders.file("notes.txt") +
                                    "\n\nPlease locate the database you wish to access");
    EXPECT_EQ(windows.offeredFiles[0], missing);
    EXPECT_EQ(app.m_lDbID, 9);
    EXPECT_EQ(Setting("VantrelDatabase"), other) << "written at once";
    EXPECT_EQ(Setting("VantrelDatabaseRoot"), folders.file("other"));
    app.ExitInstance();
}

TEST_F(StartupTest, CancelEndsSilentlyAndLeavesTheSettingsUntouched) {
    const std::string missing = folders.file("gone.mdb");
    SetSetting("VantrelDatabase", missing.c_str());
    SetSetting("UserName", "5:5");
    SetDwordSetting("OptionCodes", 0);
    CVantrel3App app;
    app.SetStartupWindows(&windows);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(boxes.texts().size(), 1u) << "the invalid-database message only";
    app.ExitInstance();
    EXPECT_EQ(Setting("VantrelDatabase"), missing);
    EXPECT_EQ(Setting("UserName"), "5:5");
    EXPECT_EQ(Setting("OptionCodes"), "0");
    EXPECT_FALSE(HasSetting("CGIAppType"));
    EXPECT_EQ(windows.framesMade, 0);
}

TEST_F(StartupTest, VersionsCompareAsNumbers) {
    const struct {
        const char* version;
        bool offered; // the update question, else the newer-database box
    } cases[] = {{"1.29", true}, {"1.4", true}, {"1.100", false}};
    SetSetting("VantrelDatabase", databasePath.c_str());
    for (const auto& c : cases) {
        SetVersion(databasePath, c.version);
        boxes.Clear();
        boxes.Answer(IDNO);
        CVantrel3App app;
        app.SetStartupWindows(&windows);
        EXPECT_FALSE(app.InitInstance()) << c.version;
        ASSERT_EQ(boxes.texts().size(), 1u) << c.version;
        EXPECT_EQ(boxes.texts()[0],
                  VersionText(databasePath, c.version, c.offered ? kUpdateEnding : kNewerEnding));
        EXPECT_EQ(boxes.shown()[0].type, c.offered ? (MB_YESNO | MB_ICONQUESTION) : MB_OK);
        app.ExitInstance();
        EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 0) << c.version << ": no users row";
    }
}

TEST_F(StartupTest, AGoodUpdateReopensTheDatabaseAndTheRunLogsOut) {
    SetVersion(databasePath, "1.29");
    boxes.Answer(IDYES);
    {
        CVantrel3App app;
        app.SetStartupWindows(&windows);
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(boxes.texts().back(), "Update Successful!");
        EXPECT_EQ(app.m_strDatabaseVersion, "1.30");
        EXPECT_EQ(app.m_lDbID, kDbId);
        EXPECT_FALSE(app.m_bOlderDatabase);
        EXPECT_TRUE(app.m_VantrelDb.IsOpen());
        EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 1);
        app.ExitInstance();
    }
    EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 0);
}

// A run that fails is tried once more; a run that stops (its data restored) is not.
TEST_F(StartupTest, AFailedUpdateRunsTwiceThenEndsStartUp) {
    const std::string unchanged =
        "The update was abandoned: the database " + databasePath + " has not been changed.";
    const std::string failed = "Error in creating new tables!";
    const struct {
        const char* step;
        std::vector<std::string> after; // the boxes after the question
    } cases[] = {
        {"CreateTables", {failed, unchanged, failed, unchanged, "Update NOT Successful!"}},
        {"RestoreOriginalData",
         {"Error in restoring your original data! Reverting to original database.",
          "Your data has been SUCCESSFULLY restored to it's original condition.\nDO NOT "
          "PROCEED!\nCall Zerin Technical Support.\nProgram ABORTED!"}},
    };
    SetSetting("VantrelDatabase", databasePath.c_str());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        SetVersion(databasePath, "1.29");
        boxes.Clear();
        boxes.Answer(IDYES);
        QZDbUpdateFaults::SetFailingStep(c.step);
        CVantrel3App app;
        app.SetStartupWindows(&windows);
        const BOOL started = app.InitInstance();
        QZDbUpdateFaults::SetFailingStep(nullptr);
        EXPECT_FALSE(started);
        const std::vector<std::string> texts = boxes.texts();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0], VersionText(databasePath, "1.29", kUpdateEnding));
        EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end()), c.after);
        EXPECT_EQ(windows.framesMade, 0);
        app.ExitInstance();
        EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 0);
        EXPECT_FALSE(HasSetting("UserName")) << "start-up ended before it read the settings";
    }
}

TEST_F(StartupTest, ADeletedUserNameAuthorLogsInByTheAccountName) {
    Execute("INSERT INTO Authors (DbID, AuthorName, Deleted) VALUES (7, 'gone', 1)");
    SetSetting("UserName", "7:1");
    const std::string account = CVantrel3App::GetLoginName().str();
    CVantrel3App app;
    app.SetStartupWindows(&windows);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_NE(app.m_UserKey.m_KeyID, 1);
    EXPECT_EQ(Count("SELECT * FROM Authors WHERE AuthorName = '" + account + "'"), 1);
    app.ExitInstance();
    // The next run finds the same author by its key.
    CVantrel3App again;
    again.SetStartupWindows(&windows);
    ASSERT_TRUE(again.InitInstance());
    EXPECT_EQ(again.m_UserKey, app.m_UserKey);
    again.ExitInstance();
    EXPECT_EQ(Count("SELECT * FROM Authors WHERE AuthorName = '" + account + "'"), 1);
}

TEST_F(StartupTest, AZeroOrDeletedSiteIsNotSelected) {
    Execute("INSERT INTO Services (DbID, Name, Deleted) VALUES (7, 'kept', 0)");
    Execute("INSERT INTO Services (DbID, Name, Deleted) VALUES (7, 'gone', 1)");
    const struct {
        const char* stored;
        LONG selected;
    } cases[] = {{"0:0", 0}, {"7:2", 0}, {"7:1", 1}, {"7:99", 0}};
    for (const auto& c : cases) {
        SetSetting("SelectedService", c.stored);
        CVantrel3App app;
        app.SetStartupWindows(&windows);
        try {
            ASSERT_TRUE(app.InitInstance());
        } catch (CException* e) {
            TCHAR text[512] = {};
            e->GetErrorMessage(text, 511);
            FAIL() << text;
        }
        EXPECT_EQ(app.m_SelectedService.m_KeyID, c.selected) << c.stored;
        app.ExitInstance();
    }
}

TEST_F(StartupTest, AStaleUsersRowOfADeadCopyIsReplacedAtLogIn) {
    CVantrel3App first;
    first.SetStartupWindows(&windows);
    ASSERT_TRUE(first.InitInstance());
    // The first copy "dies": its row stays.
    first.m_VantrelDb.Close();
    ASSERT_EQ(Count("SELECT * FROM CurrentUsers"), 1);
    CVantrel3App second;
    second.SetStartupWindows(&windows);
    ASSERT_TRUE(second.InitInstance());
    EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 1);
    second.ExitInstance();
    EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 0);
}

TEST_F(StartupTest, ARunGivenAPathLogsOutButWritesNoSettings) {
    const std::string other = folders.file("site.mdb");
    MakeSiteDatabase(other, 11);
    CVantrel3App app;
    app.SetStartupWindows(&windows);
    windows.otherCopy = TRUE; // the second-copy test is skipped with a path
    app.m_lpCmdLine = other.c_str();
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.m_lDbID, 11);
    app.ExitInstance();
    EXPECT_FALSE(app.m_VantrelDb.IsOpen());
    EXPECT_FALSE(SettingsKeyExists());
}

TEST_F(StartupTest, AnotherRunningCopyEndsStartUpAndKeepsTheSettingsAtExit) {
    windows.otherCopy = TRUE;
    CVantrel3App second;
    second.SetStartupWindows(&windows);
    EXPECT_FALSE(second.InitInstance());
    second.ExitInstance();
    EXPECT_FALSE(SettingsKeyExists());
    // A copy that started alone and finds another at its exit writes nothing either.
    windows.otherCopy = FALSE;
    CVantrel3App first;
    first.SetStartupWindows(&windows);
    ASSERT_TRUE(first.InitInstance());
    windows.otherCopy = TRUE;
    first.ExitInstance();
    EXPECT_FALSE(HasSetting("UserName"));
    EXPECT_EQ(Count("SELECT * FROM CurrentUsers"), 0);
}

} // namespace
