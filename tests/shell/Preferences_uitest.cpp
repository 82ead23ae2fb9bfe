// The preferences sheet on a real display: its check boxes and the option bits they set, the
// workbook mode switched on the main window, the relative CGI path, a change of user, and the
// switch to another site database with its question, its refusals and its way back.

#include "db/QZRecordsetCaches.h"
#include "platform/ui/MainWnd.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CVantrel3App.h"
#include "shell/QZPreferences.h"
#include "shell/QZSiteMenuHost.h"
#include "shell/QZStartupWindows.h"
#include "shell/SiteAdminCommands.h"
#include "tests/platform/ui/SheetScript.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/setup/SetupFixture.h"
#include "tests/shell/PageControls.h"
#include "tests/shell/RecordingSiteMenuHost.h"
#include "tests/shell/ShellSiteFixture.h"
#include "wintoolkit/registry/SECRegistry.h"
#include "wintoolkit/workbook/SECWorkbook.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using Step = SheetScript::Step;

constexpr const char* kCloseAll = "This will save and close all currently open windows.";
constexpr int kUserTab = 3;

// The database chooser of the start-up, which the user cancels.
class CancellingWindows : public QZStartupWindows {
public:
    BOOL RegisterInstance() override { return TRUE; }
    void UnregisterInstance() override {}
    BOOL RaiseRunningCopy() override { return FALSE; }
    BOOL AskDatabaseFile(CString*) override {
        ++asked;
        return FALSE;
    }
    void ShowSplash(BOOL) override {}
    BOOL CreateMainFrame(CVantrel3App&) override { return TRUE; }

    int asked = 0;
};

void Type(CWnd& page, UINT id, const std::string& text) {
    wxWindow* item = Item(page, id);
    if (auto* edit = dynamic_cast<wxTextCtrl*>(item))
        edit->SetValue(wxString::FromUTF8(text));
    else if (auto* combo = dynamic_cast<wxComboBox*>(item))
        combo->SetValue(wxString::FromUTF8(text));
    else
        ADD_FAILURE() << "no field " << id;
}

std::string TextIn(CWnd& page, UINT id) {
    if (auto* combo = dynamic_cast<wxComboBox*>(Item(page, id)))
        return combo->GetValue().utf8_string();
    CString text;
    if (CWnd* item = page.GetDlgItem(static_cast<int>(id)))
        item->GetWindowText(text);
    return text.str();
}

std::string Setting(const char* name) {
    SECRegistry registry;
    CString key;
    key.LoadString(IDS_SETTINGS_KEY);
    CString value;
    if (!registry.Connect(HKEY_CURRENT_USER) || !registry.Open(key) ||
        !registry.GetStringValue(name, value))
        return "<none>";
    return value.str();
}

class PreferencesTest : public ShellSiteTest {
protected:
    void SetUp() override {
        ShellSiteTest::SetUp();
        RegisterResources();
        ClearRecordsetCaches();
        CVantrel3App& app = TestApp();
        m_saved = Saved{app.m_strDatabasePath, app.m_strDatabaseRoot, app.m_strCGIAppRelPath,
                        app.m_bCGIBINMode,     app.PackOptionCodes(), app.m_bAddComments,
                        g_EditorColors};
        app.m_strDatabasePath = m_path.c_str();
        app.m_strDatabaseRoot = m_dir.path().string().c_str();
        Insert("Authors", "DbID, AuthorID, AuthorName, Active, Deleted", {"5, 100, 'Tess', 1, 0"});
        app.LoginUser(app.GetUserKey());
        ASSERT_TRUE(SiteDatabaseSettings_Write(m_path));
    }
    void TearDown() override {
        CVantrel3App& app = TestApp();
        app.SetStartupWindows(nullptr);
        app.m_strDatabasePath = m_saved.path;
        app.m_strDatabaseRoot = m_saved.root;
        app.m_strCGIAppRelPath = m_saved.cgiPath;
        app.m_bCGIBINMode = m_saved.cgiMode;
        app.UnpackOptionCodes(m_saved.codes);
        app.m_bAddComments = m_saved.addComments;
        g_EditorColors = m_saved.colors;
        ClearRecordsetCaches();
        SettleWindows();
        ShellSiteTest::TearDown();
    }
    static bool SiteDatabaseSettings_Write(const std::string& path);

    // Runs the Options command with the user's steps.
    void Options(std::vector<Step> steps) {
        SheetScript user(std::move(steps));
        SiteAdminOptions(nullptr);
        EXPECT_EQ(user.StepsLeft(), 0u);
        EXPECT_EQ(user.shown, 1);
    }
    // Runs the sheet itself, for steps that work its pages.
    INT_PTR Run(QZPreferences& sheet, std::vector<Step> steps) {
        SheetScript user(std::move(steps));
        const INT_PTR result = sheet.DoModal();
        EXPECT_EQ(user.StepsLeft(), 0u);
        return result;
    }
    long UsersIn(const std::string& path, long userId) {
        return CountRows(path,
                         "SELECT * FROM CurrentUsers WHERE UserID = " + std::to_string(userId));
    }

    struct Saved {
        CString path, root, cgiPath;
        BOOL cgiMode;
        DWORD codes;
        BOOL addComments;
        QZEditorColors colors;
    };

    SetupFolders m_folders;
    MessageBoxRecorder m_boxes;
    // The main window's editors and site browser as the User page sees them.
    RecordingSiteMenuHost m_host;
    Saved m_saved{};
};

bool PreferencesTest::SiteDatabaseSettings_Write(const std::string& path) {
    SECRegistry registry;
    CString key;
    key.LoadString(IDS_SETTINGS_KEY);
    if (!registry.Connect(HKEY_CURRENT_USER) || (!registry.Open(key) && !registry.CreateKey(key)))
        return false;
    return registry.SetStringValue("VantrelDatabase", path.c_str());
}

TEST_F(PreferencesTest, TheCheckBoxesSetTheirOptionBits) {
    const struct Case {
        int tab;
        UINT id;
        DWORD bit;
    } cases[] = {
        {0, IDC_PREF_USE_WIZARDS, 1},   {0, IDC_PREF_VERBOSE, 4},
        {0, IDC_PREF_HELP_REMOTE, 128}, {1, IDC_PREF_WORKBOOK, 2},
        {2, IDC_PREF_CONFIRM_SAVE, 64}, {2, IDC_PREF_CONFIRM_DELETE, 32},
        {1, IDC_PREF_ADDCOMMENTS, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const DWORD before = TestApp().PackOptionCodes();
        const BOOL comments = TestApp().m_bAddComments;
        QZPreferences sheet("Preferences");
        CPropertyPage* pages[] = {&sheet.m_GeneralPage, &sheet.m_EditorPage, &sheet.m_ConfirmPage};
        Run(sheet, {Tab(c.tab), [&](wxDialog&) { ClickBox(*pages[c.tab], c.id); }, Press(IDOK)});
        EXPECT_EQ(TestApp().PackOptionCodes() ^ before, c.bit);
        EXPECT_EQ(TestApp().m_bAddComments != comments, c.bit == 0);
    }
    // Cancel keeps every flag.
    const DWORD before = TestApp().PackOptionCodes();
    QZPreferences sheet("Preferences");
    Run(sheet,
        {[&](wxDialog&) { ClickBox(sheet.m_GeneralPage, IDC_PREF_VERBOSE); }, Press(IDCANCEL)});
    EXPECT_EQ(TestApp().PackOptionCodes(), before);
}

TEST_F(PreferencesTest, TheColourButtonsShowAndSetTheEditorColours) {
    g_EditorColors.html = RGB(0, 0, 255);
    QZPreferences sheet("Preferences");
    Run(sheet, {Tab(1),
                [&](wxDialog&) {
                    EXPECT_EQ(sheet.m_EditorPage.m_Wells[1].GetColor(), RGB(0, 0, 255));
                    sheet.m_EditorPage.m_Wells[1].SetColor(RGB(1, 2, 3));
                    sheet.m_EditorPage.m_Wells[4].SetColor(RGB(4, 5, 6));
                },
                Press(IDOK)});
    EXPECT_EQ(g_EditorColors.html, RGB(1, 2, 3));
    EXPECT_EQ(g_EditorColors.bracket, RGB(4, 5, 6));
}

TEST_F(PreferencesTest, TheWorkbookModeIsSwitchedOnTheMainWindowAtOnce) {
    SECWorkbook book;
    ASSERT_TRUE(
        book.Create(nullptr, "Marquill", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 600, 400)));
    CWnd* previous = SetMainWnd(&book);
    book.SetWorkbookMode(TRUE);
    TestApp().m_bWorkBookMode = FALSE; // the page shows the window's mode, not the flag
    QZPreferences sheet("Preferences");
    Run(sheet, {Tab(1),
                [&](wxDialog&) {
                    auto* box =
                        dynamic_cast<wxCheckBox*>(Item(sheet.m_EditorPage, IDC_PREF_WORKBOOK));
                    ASSERT_NE(box, nullptr);
                    EXPECT_TRUE(box->GetValue());
                    ClickBox(sheet.m_EditorPage, IDC_PREF_WORKBOOK);
                },
                Press(IDOK)});
    EXPECT_FALSE(book.GetWorkbookMode());
    EXPECT_FALSE(TestApp().m_bWorkBookMode);
    SetMainWnd(previous);
    book.DestroyWindow();
}

TEST_F(PreferencesTest, ThePagesShowTheSettings) {
    TestApp().UnpackOptionCodes(1 | 4 | 64);
    QZPreferences sheet("Preferences");
    Run(sheet,
        {[&](wxDialog& d) {
             EXPECT_EQ(d.GetTitle(), "Preferences");
             wxNotebook* tabs = Tabs(d);
             ASSERT_NE(tabs, nullptr);
             ASSERT_EQ(tabs->GetPageCount(), 4u);
             const char* captions[] = {"General", "Editor", "Confirmations", "User"};
             for (size_t i = 0; i < 4; ++i)
                 EXPECT_EQ(tabs->GetPageText(i), captions[i]);
             SaveScreenshot(d, "preferences-general.png");
             CPropertyPage& page = sheet.m_GeneralPage;
             EXPECT_TRUE(dynamic_cast<wxCheckBox*>(Item(page, IDC_PREF_USE_WIZARDS))->GetValue());
             EXPECT_TRUE(dynamic_cast<wxCheckBox*>(Item(page, IDC_PREF_VERBOSE))->GetValue());
             EXPECT_FALSE(dynamic_cast<wxCheckBox*>(Item(page, IDC_PREF_HELP_REMOTE))->GetValue());
         },
         Tab(1), [](wxDialog& d) { SaveScreenshot(d, "preferences-editor.png"); }, Tab(2),
         [](wxDialog& d) { SaveScreenshot(d, "preferences-confirmations.png"); }, Tab(kUserTab),
         [&](wxDialog& d) {
             SaveScreenshot(d, "preferences-user.png");
             EXPECT_EQ(TextIn(sheet.m_UserPage, IDC_PREF_USER_COMBO), "Tess");
             // The start-up prompt is not offered.
             EXPECT_FALSE(Item(sheet.m_UserPage, IDC_PREF_ALWAYS_PROMPT)->IsShown());
         },
         Press(IDCANCEL)});
}

TEST_F(PreferencesTest, TheRelativeCgiPathGetsASlashAtEachEnd) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"", "/"},         {"cgi", "/cgi/"},   {"\\cgi\\", "/cgi/"},
                 {"/cgi", "/cgi/"}, {"/cgi/", "/cgi/"}, {"cgi\\bin", "/cgi\\bin/"}};
    for (const auto& c : cases)
        EXPECT_EQ(QZPrefUserPage::NormalizeCgiPath(c.typed), c.stored) << c.typed;

    QZPreferences sheet("Preferences");
    Run(sheet, {Tab(kUserTab),
                [&](wxDialog&) {
                    EXPECT_EQ(TextIn(sheet.m_UserPage, IDC_PREF_DATABASE), m_path);
                    Type(sheet.m_UserPage, IDC_PREF_CGI_PATH, "\\cgi");
                    ChooseRadio(sheet.m_UserPage, IDC_PREF_WINCGI_MODE);
                },
                Press(IDOK)});
    EXPECT_EQ(TestApp().m_strCGIAppRelPath, "/cgi/");
    EXPECT_FALSE(TestApp().m_bCGIBINMode);
    EXPECT_EQ(Setting("CGIAppRelPath"), "/cgi/");
    EXPECT_EQ(Setting("CGIAppType"), "CGI-WIN");
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(PreferencesTest, AChangedUserMovesTheLogInRowAndLeavesTheClaims) {
    ExecuteOn(m_path, "INSERT INTO Semaphor (ObjDbID, ObjKeyID, ObjTypeID, UserDbID, UserID, "
                      "SerializedID) VALUES (5, 1, 2, 5, 100, 0)");
    ASSERT_EQ(UsersIn(m_path, 100), 1);
    QZPreferences sheet("Preferences");
    Run(sheet,
        {Tab(kUserTab), [&](wxDialog&) { Type(sheet.m_UserPage, IDC_PREF_USER_COMBO, "Amy"); },
         Press(IDOK)});
    EXPECT_EQ(TestApp().GetUserKey(), QZKeyCombo(kDbId, 2, OBJ_AUTHOR));
    EXPECT_EQ(Setting("UserName"), "5:2");
    EXPECT_EQ(UsersIn(m_path, 100), 0);
    EXPECT_EQ(UsersIn(m_path, 2), 1);
    EXPECT_EQ(CountRows(m_path, "SELECT * FROM Semaphor WHERE UserID = 100"), 1);
    TestApp().GetUserKey().SetKey(kDbId, 100);
}

TEST_F(PreferencesTest, TheSwitchAsksToCloseTheOpenWindowsAndCancelKeepsEverything) {
    const std::string other = m_dir.file("other.mdb");
    CreateSiteDatabase(other, 6);
    m_host.openDocuments = TRUE;
    m_boxes.Answer(IDCANCEL);
    QZPreferences sheet("Preferences");
    const INT_PTR result = Run(
        sheet, {Tab(kUserTab), [&](wxDialog&) { Type(sheet.m_UserPage, IDC_PREF_DATABASE, other); },
                Press(IDOK),
                [&](wxDialog& d) {
                    EXPECT_TRUE(d.IsModal());
                    EXPECT_EQ(m_boxes.texts(), Texts{kCloseAll});
                    // An editor that stays open refuses the switch too.
                    m_host.keepOpen = TRUE;
                    m_boxes.Answer(IDOK);
                    Click(d, IDOK);
                },
                [&](wxDialog& d) {
                    EXPECT_TRUE(d.IsModal());
                    EXPECT_EQ(m_host.calls, Texts{"close all"});
                    Click(d, IDCANCEL);
                }});
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(TestApp().m_strDatabasePath, m_path);
    EXPECT_EQ(Db().GetDatabasePath(), m_path);
    EXPECT_TRUE(Db().IsOpen());
    EXPECT_TRUE(m_host.openDocuments);
}

TEST_F(PreferencesTest, ASwitchToASecondDatabaseLogsInThereAndReloadsTheSiteViewer) {
    const std::string other = m_dir.file("other.mdb");
    CreateSiteDatabase(other, 6);
    m_host.openDocuments = TRUE;
    QZPreferences sheet("Preferences");
    const INT_PTR result = Run(
        sheet, {Tab(kUserTab), [&](wxDialog&) { Type(sheet.m_UserPage, IDC_PREF_DATABASE, other); },
                Press(IDOK)});
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_boxes.texts(), Texts{kCloseAll});
    EXPECT_EQ(m_host.calls, (Texts{"close all", "reload"}));
    EXPECT_EQ(TestApp().m_strDatabasePath, other);
    EXPECT_EQ(TestApp().m_strDatabaseRoot, m_dir.path().string());
    EXPECT_EQ(Db().GetDatabasePath(), other);
    EXPECT_TRUE(Db().IsOpen());
    EXPECT_EQ(TestApp().GetDbID(), 6);
    EXPECT_EQ(Setting("VantrelDatabase"), other);
    // Logged out of the first database, in to the second as start-up logs in.
    EXPECT_EQ(UsersIn(m_path, 100), 0);
    EXPECT_EQ(CountRows(other, "SELECT * FROM CurrentUsers"), 1);
    EXPECT_EQ(CountRows(other, "SELECT * FROM Authors"), 1);
    EXPECT_EQ(TestApp().GetUserKey().m_DbID, 6);

    // Choosing the same file again does nothing.
    m_host.calls.clear();
    m_boxes.Clear();
    QZPreferences same("Preferences");
    Run(same, {Tab(kUserTab), Press(IDOK)});
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_TRUE(m_boxes.texts().empty());
    TestApp().GetUserKey().SetKey(kDbId, 100);
}

TEST_F(PreferencesTest, ADatabaseThatCannotBeUsedGivesWayToTheOneBefore) {
    const std::string text = m_dir.file("notes.mdb");
    std::ofstream(text) << "not a database";
    const std::string newer = m_dir.file("newer.mdb");
    CreateSiteDatabase(newer, 7);
    ExecuteOn(newer, "UPDATE Marquill SET VersionNumber = '99.0'");
    CancellingWindows windows;
    TestApp().SetStartupWindows(&windows);
    for (const std::string& path : {text, newer}) {
        SCOPED_TRACE(path);
        m_boxes.Clear();
        m_host.calls.clear();
        QZPreferences sheet("Preferences");
        const INT_PTR result =
            Run(sheet,
                {Tab(kUserTab), [&](wxDialog&) { Type(sheet.m_UserPage, IDC_PREF_DATABASE, path); },
                 Press(IDOK),
                 [&](wxDialog& d) {
                     EXPECT_TRUE(d.IsModal());
                     EXPECT_EQ(TextIn(sheet.m_UserPage, IDC_PREF_DATABASE), m_path);
                     Click(d, IDCANCEL);
                 }});
        EXPECT_EQ(result, IDCANCEL);
        ASSERT_EQ(m_boxes.texts().size(), 1u);
        EXPECT_NE(m_boxes.texts()[0].find(path), std::string::npos) << m_boxes.texts()[0];
        EXPECT_EQ(TestApp().m_strDatabasePath, m_path);
        EXPECT_EQ(Db().GetDatabasePath(), m_path);
        EXPECT_TRUE(Db().IsOpen());
        EXPECT_EQ(TestApp().GetDbID(), kDbId);
        EXPECT_EQ(Setting("VantrelDatabase"), m_path);
        EXPECT_TRUE(m_host.calls.empty());
        // The user is logged in to the database open again.
        EXPECT_EQ(UsersIn(m_path, 100), 1);
    }
    EXPECT_EQ(windows.asked, 1);
}

} // namespace
