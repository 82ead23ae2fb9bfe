// The site and section settings sheets and their Status page on a real display over a seeded
// site database, played as a user plays them: the fields and their fall-backs, the site's and
// the section's directories on disk, deletion and its marks, Cancel, and the Status page's
// switches.

#include "content/QZService.h"
#include "db/QZRecordsetCaches.h"
#include "platform/core/COleDateTime.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/QZSectionForm.h"
#include "shell/QZServiceForm.h"
#include "tests/platform/ui/SheetScript.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/PageControls.h"
#include "tests/shell/ShellSiteFixture.h"
#include "tests/support/FixedClock.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;
using Step = SheetScript::Step;

constexpr const char* kRenamed =
    "You've changed the directory, the disk directory will be renamed.";
constexpr const char* kRemoved = "You've removed the directory, no Files will be moved.";
constexpr const char* kRenameFailed = "An error occured while trying to rename the directory.";

std::string Question(const std::string& path) {
    return "Should this directory be created?\n\n" + path;
}

std::string Unable(const std::string& path) {
    return "Unable to create Path:  " + path;
}

std::string TextIn(CWnd& page, UINT id) {
    CWnd* item = page.GetDlgItem(static_cast<int>(id));
    if (!item)
        return "<none>";
    if (auto* list = dynamic_cast<wxItemContainerImmutable*>(item->GetSafeHwnd()))
        return list->GetStringSelection().utf8_string();
    CString text;
    item->GetWindowText(text);
    return text.str();
}

void Type(CWnd& page, UINT id, const std::string& text) {
    auto* edit = dynamic_cast<wxTextCtrl*>(Item(page, id));
    ASSERT_NE(edit, nullptr) << "no edit " << id;
    edit->SetValue(wxString::FromUTF8(text));
}

bool Enabled(CWnd& page, UINT id) {
    wxWindow* item = Item(page, id);
    return item && item->IsEnabled();
}

bool Checked(CWnd& page, UINT id) {
    auto* box = dynamic_cast<wxCheckBox*>(Item(page, id));
    return box && box->GetValue();
}

// The user picks the entry of a drop-down list that reads `name`.
void Pick(CWnd& page, UINT id, const std::string& name) {
    auto* list = dynamic_cast<wxItemContainer*>(Item(page, id));
    ASSERT_NE(list, nullptr) << "no list " << id;
    const int index = list->FindString(wxString::FromUTF8(name));
    ASSERT_GE(index, 0) << name;
    list->SetSelection(index);
    wxWindow* window = Item(page, id);
    wxCommandEvent event(dynamic_cast<wxChoice*>(window) ? wxEVT_CHOICE : wxEVT_COMBOBOX,
                         window->GetId());
    event.SetEventObject(window);
    event.SetInt(index);
    window->GetEventHandler()->ProcessEvent(event);
}

Step StillOpen() {
    return [](wxDialog& d) { EXPECT_TRUE(d.IsModal()) << "the sheet closed"; };
}

class SiteSheetsTest : public ShellSiteTest {
protected:
    void SetUp() override {
        ShellSiteTest::SetUp();
        RegisterResources();
        ClearRecordsetCaches();
        m_web = (m_dir.path() / "web").string();
        fs::create_directories(m_web);
        Insert("Authors", "DbID, AuthorID, AuthorName, Active, Deleted", {"5, 100, 'Tess', 1, 0"});
        TestApp().GetCurrentServiceKey().SetKey(kDbId, 1);
        TestApp().GetCurrentSectionKey().SetKey(kDbId, 10);
    }
    void TearDown() override {
        ClearRecordsetCaches();
        SettleWindows();
        ShellSiteTest::TearDown();
    }

    // Runs the site sheet on the key with the user's steps; the sheet's answer.
    INT_PTR RunSite(QZServiceForm& sheet, LONG serviceId, std::vector<Step> steps) {
        sheet.m_Key = QZKeyCombo(serviceId ? kDbId : 0, serviceId, OBJ_SERVICE);
        SheetScript user(std::move(steps));
        const INT_PTR result = sheet.DoModal();
        EXPECT_EQ(user.StepsLeft(), 0u);
        ClearRecordsetCaches();
        return result;
    }
    INT_PTR RunSection(QZSectionForm& sheet, LONG sectionId, std::vector<Step> steps) {
        sheet.m_Key = QZKeyCombo(sectionId ? kDbId : 0, sectionId, OBJ_SECTION);
        SheetScript user(std::move(steps));
        const INT_PTR result = sheet.DoModal();
        EXPECT_EQ(user.StepsLeft(), 0u);
        ClearRecordsetCaches();
        return result;
    }
    void SetSite(LONG id, const std::string& assignments) {
        ExecuteOn(m_path, "UPDATE Services SET " + assignments +
                              " WHERE ServiceID = " + std::to_string(id));
        ClearRecordsetCaches();
    }
    void SetSection(LONG id, const std::string& assignments) {
        ExecuteOn(m_path, "UPDATE Sections SET " + assignments +
                              " WHERE SectionID = " + std::to_string(id));
        ClearRecordsetCaches();
    }
    std::string Site(const char* column, LONG id = 1) {
        return TextOf("Services", column, "ServiceID = " + std::to_string(id));
    }
    long SiteNumber(const char* column, LONG id = 1) {
        return NumberOf("Services", column, "ServiceID = " + std::to_string(id));
    }
    std::string Section(const char* column, LONG id = 10) {
        return TextOf("Sections", column, "SectionID = " + std::to_string(id));
    }
    long SectionNumber(const char* column, LONG id = 10) {
        return NumberOf("Sections", column, "SectionID = " + std::to_string(id));
    }
    // Stamps the site as changed by Zed and published by Amy at fixed times.
    void StampSite(LONG id, bool published) {
        FixedClock clock(1999, 12, 31, 23, 59, 58);
        QZService site(QZKeyCombo(kDbId, id, OBJ_SERVICE), TRUE);
        ASSERT_TRUE(site.IsLoaded());
        if (published) {
            site.SetPublisher(QZKeyCombo(kDbId, 2, OBJ_AUTHOR));
            site.SetLastPublished(COleDateTime(1999, 3, 1, 14, 5, 0));
        }
        ASSERT_EQ(site.Save(), 1);
        ClearRecordsetCaches();
    }
    static void MakeDirectory(const std::string& path) { fs::create_directories(path); }
    static void WriteFile(const std::string& path) { std::ofstream(path) << "x"; }

    MessageBoxRecorder m_boxes;
    std::string m_web;
};

// ---------------------------------------------------------------------------------------------
// Site sheet

TEST_F(SiteSheetsTest, SiteFieldsRoundTripWithTheirFallBacks) {
    SetSite(1, "WebMasterEmail = 'old@example.com', ClientsDb = '/db/dev.mdb', "
               "ProductionPath = '', ProductionAlias = 'www.example.com', "
               "Production_ftp_User = 'ann', ProductionUse_ftp = 1, StyleDbID = 5, StyleID = 2");
    QZServiceForm sheet("Site");
    const INT_PTR result =
        RunSite(sheet, 1,
                {[&](wxDialog& d) {
                     EXPECT_EQ(d.GetTitle(), "Site");
                     SaveScreenshot(d, "site-sheet-site.png");
                     wxNotebook* tabs = Tabs(d);
                     ASSERT_NE(tabs, nullptr);
                     ASSERT_EQ(tabs->GetPageCount(), 3u);
                     EXPECT_EQ(tabs->GetPageText(0), "Site");
                     EXPECT_EQ(tabs->GetPageText(1), "Production");
                     EXPECT_EQ(tabs->GetPageText(2), "Status");
                     CWnd& page = sheet.m_SitePage;
                     EXPECT_EQ(TextIn(page, IDC_SVC_KEY), ":1");
                     EXPECT_EQ(TextIn(page, IDC_SVC_TITLE), "Main");
                     EXPECT_EQ(TextIn(page, IDC_SVC_WEBMASTER), "old@example.com");
                     EXPECT_EQ(TextIn(page, IDC_SVC_CLIENTS_DB), "/db/dev.mdb");
                     EXPECT_EQ(TextIn(page, IDC_SVC_STYLE), "Alpha");
                     EXPECT_TRUE(Enabled(page, IDC_SVC_STYLE));
                     Type(page, IDC_SVC_TITLE, "Shop");
                     Type(page, IDC_SVC_WEBMASTER, "webmaster@example.com");
                     Type(page, IDC_SVC_DEVROOT, m_web);
                     Type(page, IDC_SVC_DIRECTORY, "shop");
                     Type(page, IDC_SVC_CLIENTS_DB, "/db/shop.mdb");
                     Type(page, IDC_SVC_CLIENTS_PROD_DB, "");
                     Pick(page, IDC_SVC_STYLE, "Beta");
                 },
                 Tab(1),
                 [&](wxDialog& d) {
                     SaveScreenshot(d, "site-sheet-production.png");
                     CWnd& page = sheet.m_PubPage;
                     EXPECT_EQ(TextIn(page, IDC_PUB_DOMAIN), "www.example.com");
                     EXPECT_EQ(TextIn(page, IDC_PUB_FTP_USER), "ann");
                     // Remote: the FTP group is in use, the local one greyed.
                     EXPECT_TRUE(Enabled(page, IDC_PUB_FTP_ADDRESS));
                     EXPECT_FALSE(Enabled(page, IDC_PUB_DOMAIN_ROOT));
                     ChooseRadio(page, IDC_PUB_LOCAL);
                     EXPECT_FALSE(Enabled(page, IDC_PUB_FTP_ADDRESS));
                     EXPECT_TRUE(Enabled(page, IDC_PUB_DOMAIN_ROOT));
                     EXPECT_TRUE(Enabled(page, IDC_PUB_DATABASE_BROWSE));
                     ChooseRadio(page, IDC_PUB_REMOTE);
                     EXPECT_TRUE(Enabled(page, IDC_PUB_FTP_PASSWORD));
                     Type(page, IDC_PUB_FTP_ADDRESS, "ftp.example.com");
                     Type(page, IDC_PUB_FTP_PASSWORD, "secret");
                 },
                 Press(IDOK)});
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Site("Name"), "Shop");
    EXPECT_EQ(Site("WebMasterEmail"), "webmaster@example.com");
    EXPECT_EQ(Site("ClientsDb"), "/db/shop.mdb");
    // An empty Client's Prod DB takes the development one.
    EXPECT_EQ(Site("ClientsProdDb"), "/db/shop.mdb");
    EXPECT_EQ(Site("DevelopPath"), m_web);
    // An empty production path takes the development root.
    EXPECT_EQ(Site("ProductionPath"), m_web);
    EXPECT_EQ(Site("Directory"), "shop");
    EXPECT_EQ(SiteNumber("StyleID"), 1);
    EXPECT_EQ(Site("Production_ftp_Address"), "ftp.example.com");
    EXPECT_EQ(SiteNumber("ProductionUse_ftp"), 1);
    EXPECT_EQ(SiteNumber("PublishFlag"), 1);
    QZService stored(QZKeyCombo(kDbId, 1, OBJ_SERVICE), FALSE);
    EXPECT_EQ(CString(stored.GetRecordset()->m_Production_ftp_Password), "secret");
    EXPECT_EQ(m_boxes.texts(), Texts{Question(m_web + "/shop")});
    EXPECT_TRUE(fs::is_directory(m_web + "/shop"));
    EXPECT_EQ(sheet.m_Key, QZKeyCombo(kDbId, 1, OBJ_SERVICE));
    EXPECT_EQ(sheet.GetService(), nullptr);

    // A later Production page applied with an empty Domain Root stores the development root.
    SetSite(1, "ProductionPath = '/prod'");
    QZServiceForm again("Site");
    RunSite(again, 1,
            {Tab(1),
             [&](wxDialog&) {
                 EXPECT_EQ(TextIn(again.m_PubPage, IDC_PUB_DOMAIN_ROOT), "/prod");
                 Type(again.m_PubPage, IDC_PUB_DOMAIN_ROOT, "");
             },
             Press(IDOK)});
    EXPECT_EQ(Site("ProductionPath"), m_web);
}

TEST_F(SiteSheetsTest, SiteDirectoryCases) {
    MakeDirectory(m_web + "/there");
    WriteFile(m_web + "/afile");
    const std::string missing = (m_dir.path() / "missing").string();
    const struct Case {
        const char* name;
        std::string root;
        const char* directory;
        int answer;
        Texts boxes;
        std::string made;
    } cases[] = {
        {"trailing separator", m_web + "/", "a", IDYES, {Question(m_web + "/a")}, m_web + "/a"},
        {"yes", m_web, "b", IDYES, {Question(m_web + "/b")}, m_web + "/b"},
        {"no", m_web, "c", IDNO, {Question(m_web + "/c")}, ""},
        {"existing", m_web, "there", IDYES, {}, m_web + "/there"},
        {"missing parent", missing, "d", IDYES, {Question(missing + "/d")}, missing + "/d"},
        {"cannot be made",
         m_web + "/afile",
         "e",
         IDYES,
         {Question(m_web + "/afile/e"), Unable(m_web + "/afile/e")},
         ""},
        {"empty root", "", "f", IDYES, {Unable("f")}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.Clear();
        m_boxes.Answer(c.answer);
        QZServiceForm sheet("Site");
        RunSite(sheet, 1,
                {[&](wxDialog&) {
                     Type(sheet.m_SitePage, IDC_SVC_DEVROOT, c.root);
                     Type(sheet.m_SitePage, IDC_SVC_DIRECTORY, c.directory);
                 },
                 Press(IDOK)});
        EXPECT_EQ(m_boxes.texts(), c.boxes);
        if (!c.made.empty()) {
            EXPECT_TRUE(fs::is_directory(c.made));
        }
        EXPECT_FALSE(fs::exists(m_dir.path() / c.directory));
        // The settings are saved whatever came of the directory.
        EXPECT_EQ(Site("Directory"), c.directory);
    }
    EXPECT_FALSE(fs::exists(m_web + "/c"));
}

TEST_F(SiteSheetsTest, APastedDirectoryThatLeavesTheSiteIsRefused) {
    SetSite(1, "Directory = 'old', DevelopPath = '" + m_web + "'");
    QZServiceForm sheet("Site");
    const INT_PTR result = RunSite(sheet, 1,
                                   {[&](wxDialog&) {
                                        Type(sheet.m_SitePage, IDC_SVC_TITLE, "Changed");
                                        Type(sheet.m_SitePage, IDC_SVC_DIRECTORY, "../x");
                                    },
                                    Press(IDOK), StillOpen(), Press(IDCANCEL)});
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(m_boxes.texts(), Texts{"Invalid directory name:  ../x"});
    EXPECT_EQ(Site("Directory"), "old");
    EXPECT_EQ(Site("Name"), "Main");
    EXPECT_FALSE(fs::exists(m_dir.path() / "x"));
}

TEST_F(SiteSheetsTest, DeletingASiteMarksItAndItsObjectsByWhetherItWasPublished) {
    for (bool published : {true, false}) {
        SCOPED_TRACE(published ? "published" : "never published");
        StampSite(1, published);
        ExecuteOn(m_path, "UPDATE Documents SET Deleted = 0");
        ExecuteOn(m_path, "UPDATE Sections SET Deleted = 0 WHERE SectionID <> 12");
        QZServiceForm sheet("Site");
        RunSite(sheet, 1,
                {Tab(2), [&](wxDialog&) { ClickBox(sheet.m_StatusPage, IDC_STATUS_DELETED); },
                 Press(IDOK)});
        EXPECT_EQ(SiteNumber("Deleted"), 1);
        EXPECT_EQ(SiteNumber("PublishFlag"), published ? 1 : 0);
        EXPECT_EQ(SiteNumber("NeverPublishFlag"), published ? 0 : 1);
        // The site's objects are marked; the other site's are not.
        EXPECT_EQ(Count("SELECT * FROM Documents WHERE ServiceID = 1 AND Deleted = 0"), 0);
        EXPECT_EQ(Count("SELECT * FROM Images WHERE ServiceID = 1 AND Deleted = 0"), 0);
        EXPECT_EQ(Count("SELECT * FROM Sections WHERE ServiceID = 1 AND Deleted = 0"), 0);
        EXPECT_EQ(Count("SELECT * FROM Documents WHERE ServiceID = 2 AND Deleted = 0"), 1);
        EXPECT_EQ(Count("SELECT * FROM Sections WHERE ServiceID = 2 AND Deleted = 0"), 1);
        // Styles are left as they are.
        EXPECT_EQ(Count("SELECT * FROM Styles WHERE ServiceID = 1 AND Deleted = 0"), 2);
        SetSite(1, "Deleted = 0, PublishFlag = 0, NeverPublishFlag = 0, LastPublished = NULL");
    }
}

TEST_F(SiteSheetsTest, CancelCreatesNothingAndDeletesNothing) {
    const long liveSites = Count("SELECT * FROM Services WHERE Deleted = 0");
    QZServiceForm fresh("Site");
    RunSite(fresh, 0,
            {[&](wxDialog&) {
                 // A new site cannot have a style yet.
                 EXPECT_FALSE(Enabled(fresh.m_SitePage, IDC_SVC_STYLE));
                 EXPECT_FALSE(Enabled(fresh.m_SitePage, IDC_SVC_STYLE_LABEL));
                 Type(fresh.m_SitePage, IDC_SVC_TITLE, "Never");
             },
             Press(IDCANCEL)});
    EXPECT_EQ(Count("SELECT * FROM Services WHERE Deleted = 0"), liveSites);
    EXPECT_EQ(Count("SELECT * FROM Services WHERE Deleted = 1 AND NeverPublishFlag = 1 AND "
                    "PublishFlag = 0"),
              1);
    EXPECT_EQ(Count("SELECT * FROM Services WHERE Name = 'Never'"), 0);

    // Delete ticked and then Cancel leaves the site as it was.
    QZServiceForm existing("Site");
    RunSite(existing, 1,
            {Tab(2), [&](wxDialog&) { ClickBox(existing.m_StatusPage, IDC_STATUS_DELETED); },
             Press(IDCANCEL)});
    EXPECT_EQ(SiteNumber("Deleted"), 0);
    EXPECT_EQ(Count("SELECT * FROM Documents WHERE ServiceID = 1 AND Deleted = 0"), 3);
    EXPECT_TRUE(m_boxes.texts().empty());
}

// ---------------------------------------------------------------------------------------------
// Status page

TEST_F(SiteSheetsTest, StatusPageShowsWhoAndWhenAndMarksForPublishing) {
    StampSite(1, true);
    StampSite(2, false);
    QZService stamped(QZKeyCombo(kDbId, 1, OBJ_SERVICE), FALSE);
    const std::string changed = stamped.GetLastChanged().Format("%#c").str();
    ASSERT_FALSE(changed.empty());
    QZServiceForm sheet("Site");
    RunSite(sheet, 1,
            {Tab(2),
             [&](wxDialog& d) {
                 SaveScreenshot(d, "site-sheet-status.png");
                 CWnd& page = sheet.m_StatusPage;
                 EXPECT_EQ(TextIn(page, IDC_STATUS_CHANGED_BY), "Tess");
                 EXPECT_EQ(TextIn(page, IDC_STATUS_LAST_CHANGED), changed);
                 EXPECT_EQ(TextIn(page, IDC_STATUS_PUBLISHED_BY), "Amy");
                 EXPECT_EQ(TextIn(page, IDC_STATUS_LAST_PUBLISHED),
                           "Monday, March 01, 1999 14:05:00");
                 EXPECT_FALSE(Checked(page, IDC_STATUS_PUBLISH));
             },
             Press(IDOK)});
    // OK with the page untouched marks the site for publishing.
    EXPECT_EQ(SiteNumber("PublishFlag"), 1);

    QZServiceForm never("Site");
    RunSite(never, 2,
            {Tab(2),
             [&](wxDialog&) {
                 CWnd& page = never.m_StatusPage;
                 EXPECT_EQ(TextIn(page, IDC_STATUS_PUBLISHED_BY), "");
                 EXPECT_EQ(TextIn(page, IDC_STATUS_LAST_PUBLISHED), "");
             },
             Press(IDCANCEL)});
}

TEST_F(SiteSheetsTest, StatusSwitchesReachTheRow) {
    SetSite(2, "NeverPublishFlag = 1, PublishFlag = 1");
    QZServiceForm sheet("Site");
    RunSite(sheet, 2,
            {Tab(2),
             [&](wxDialog&) {
                 CWnd& page = sheet.m_StatusPage;
                 // Never Publish greys Publish from the start and clears it.
                 EXPECT_TRUE(Checked(page, IDC_STATUS_NEVER_PUBLISH));
                 EXPECT_FALSE(Checked(page, IDC_STATUS_PUBLISH));
                 EXPECT_FALSE(Enabled(page, IDC_STATUS_PUBLISH));
                 ClickBox(page, IDC_STATUS_NEVER_PUBLISH);
                 EXPECT_TRUE(Enabled(page, IDC_STATUS_PUBLISH));
                 ClickBox(page, IDC_STATUS_NEVER_PUBLISH);
                 EXPECT_FALSE(Enabled(page, IDC_STATUS_PUBLISH));
                 EXPECT_FALSE(Checked(page, IDC_STATUS_PUBLISH));
             },
             Press(IDOK)});
    EXPECT_EQ(SiteNumber("NeverPublishFlag", 2), 1);
    EXPECT_EQ(SiteNumber("PublishFlag", 2), 1)
        << "OK marks for publishing unless Publish was cleared";

    // Publish cleared by the user stays clear.
    QZServiceForm cleared("Site");
    RunSite(cleared, 2,
            {Tab(2),
             [&](wxDialog&) {
                 CWnd& page = cleared.m_StatusPage;
                 ClickBox(page, IDC_STATUS_NEVER_PUBLISH);
                 ClickBox(page, IDC_STATUS_PUBLISH);
                 ClickBox(page, IDC_STATUS_PUBLISH);
             },
             Press(IDOK)});
    EXPECT_EQ(SiteNumber("NeverPublishFlag", 2), 0);
    EXPECT_EQ(SiteNumber("PublishFlag", 2), 0);
}

// ---------------------------------------------------------------------------------------------
// Section sheet

class SectionSheetTest : public SiteSheetsTest {
protected:
    void SetUp() override {
        SiteSheetsTest::SetUp();
        m_site = m_web + "/mysite";
        m_other = m_web + "/other";
        MakeDirectory(m_site);
        MakeDirectory(m_other);
        SetSite(1, "DevelopPath = '" + m_web + "', Directory = 'mysite'");
        SetSite(2, "DevelopPath = '" + m_web + "', Directory = 'other'");
    }

    std::string m_site;
    std::string m_other;
};

TEST_F(SectionSheetTest, DirectoryCases) {
    const struct Case {
        const char* name;
        const char* before;
        bool onDisk;
        const char* after;
        const char* site; // the site picked, or null
        int answer;
        Texts boxes;
        std::string there;  // a directory that holds the file afterwards, or ""
        const char* stored; // the row's Directory afterwards
        long storedSite;
    } cases[] = {
        {"unchanged", "sales", true, "sales", nullptr, IDYES, {}, "/mysite/sales", "sales", 1},
        {"first", "", false, "shop", nullptr, IDYES, {Question(m_site + "/shop")}, "", "shop", 1},
        {"first declined",
         "",
         false,
         "shop",
         nullptr,
         IDNO,
         {Question(m_site + "/shop")},
         "",
         "shop",
         1},
        {"renamed", "sales", true, "shop", nullptr, IDYES, {kRenamed}, "/mysite/shop", "shop", 1},
        {"removed", "sales", true, "", nullptr, IDYES, {kRemoved}, "/mysite/sales", "", 1},
        {"moved", "sales", true, "sales", "Other", IDYES, {kRenamed}, "/other/sales", "sales", 2},
        {"moved and renamed",
         "sales",
         true,
         "shop",
         "Other",
         IDYES,
         {kRenamed},
         "/other/shop",
         "shop",
         2},
        {"old missing on disk",
         "sales",
         false,
         "shop",
         nullptr,
         IDYES,
         {Question(m_site + "/shop")},
         "",
         "shop",
         1},
        {"rename fails",
         "sales",
         true,
         "taken",
         "Other",
         IDYES,
         {kRenamed, kRenameFailed},
         "/mysite/sales",
         "sales",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_site);
        fs::remove_all(m_other);
        MakeDirectory(m_site);
        MakeDirectory(m_other + "/taken");
        if (c.onDisk) {
            MakeDirectory(m_site + "/" + c.before);
            WriteFile(m_site + "/" + c.before + "/page.html");
        }
        SetSection(10, std::string("Directory = '") + c.before + "', ServiceID = 1");
        m_boxes.Clear();
        m_boxes.Answer(c.answer);
        QZSectionForm sheet("Section");
        RunSection(sheet, 10,
                   {[&](wxDialog&) {
                        CWnd& page = sheet.m_SectionPage;
                        EXPECT_EQ(TextIn(page, IDC_SECT_RELATIVE_PATH), "mysite");
                        Type(page, IDC_SECT_TITLE, "Sales Pages");
                        Type(page, IDC_SECT_DIRECTORY, c.after);
                        if (c.site)
                            Pick(page, IDC_SECT_SERVICE, c.site);
                    },
                    Press(IDOK)});
        EXPECT_EQ(m_boxes.texts(), c.boxes);
        if (!c.there.empty()) {
            EXPECT_TRUE(fs::exists(m_web + c.there + "/page.html"));
        }
        EXPECT_EQ(Section("Directory"), c.stored);
        EXPECT_EQ(SectionNumber("ServiceID"), c.storedSite);
        // The other fields are saved whatever came of the directory.
        EXPECT_EQ(Section("SectionTitle"), "Sales Pages");
    }
    EXPECT_FALSE(fs::exists(m_dir.path() / "shop"));
}

TEST_F(SectionSheetTest, APastedDirectoryWithASeparatorIsRefused) {
    SetSection(10, "Directory = 'sales'");
    MakeDirectory(m_site + "/sales");
    QZSectionForm sheet("Section");
    const INT_PTR result = RunSection(sheet, 10,
                                      {[&](wxDialog&) {
                                           Type(sheet.m_SectionPage, IDC_SECT_NAME, "Changed");
                                           Type(sheet.m_SectionPage, IDC_SECT_DIRECTORY, "a/b");
                                       },
                                       Press(IDOK), StillOpen(), Press(IDCANCEL)});
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(m_boxes.texts(), Texts{"Invalid directory name:  a/b"});
    EXPECT_EQ(Section("Directory"), "sales");
    EXPECT_EQ(Section("SectionName"), "Sec B");
    EXPECT_TRUE(fs::is_directory(m_site + "/sales"));
    EXPECT_FALSE(fs::exists(m_site + "/a"));
}

TEST_F(SectionSheetTest, ANewSectionIsMadeInTheSelectedSiteAndACancelledOneLeavesNothing) {
    const long live = Count("SELECT * FROM Sections WHERE Deleted = 0");
    QZSectionForm cancelled("Section");
    RunSection(cancelled, 0,
               {[&](wxDialog&) { Type(cancelled.m_SectionPage, IDC_SECT_NAME, "Never"); },
                Press(IDCANCEL)});
    EXPECT_EQ(Count("SELECT * FROM Sections WHERE Deleted = 0"), live);
    EXPECT_EQ(Count("SELECT * FROM Sections WHERE SectionName = 'Never'"), 0);

    QZSectionForm sheet("Section");
    RunSection(sheet, 0,
               {[&](wxDialog&) {
                    CWnd& page = sheet.m_SectionPage;
                    EXPECT_EQ(TextIn(page, IDC_SECT_SERVICE), "Main");
                    Type(page, IDC_SECT_NAME, "News");
                    Type(page, IDC_SECT_DIRECTORY, "news");
                },
                Press(IDOK)});
    const std::string where = "SectionID = " + std::to_string(sheet.m_Key.m_KeyID);
    EXPECT_EQ(TextOf("Sections", "SectionName", where), "News");
    EXPECT_EQ(NumberOf("Sections", "ServiceID", where), 1);
    EXPECT_EQ(NumberOf("Sections", "Deleted", where), 0);
    EXPECT_EQ(NumberOf("Sections", "PublishFlag", where), 1);
    EXPECT_TRUE(fs::is_directory(m_site + "/news"));
}

TEST_F(SectionSheetTest, ADeletedSectionKeepsItsNameAndMarksOnlyItsObjects) {
    SetSection(10, "Directory = 'sales'");
    QZSectionForm sheet("Section");
    RunSection(sheet, 10,
               {[&](wxDialog&) {
                    Type(sheet.m_SectionPage, IDC_SECT_NAME, "Renamed");
                    Type(sheet.m_SectionPage, IDC_SECT_DIRECTORY, "elsewhere");
                },
                Tab(1), [&](wxDialog&) { ClickBox(sheet.m_StatusPage, IDC_STATUS_DELETED); },
                Press(IDOK)});
    EXPECT_EQ(Section("SectionName"), "Sec B");
    EXPECT_EQ(Section("Directory"), "sales");
    EXPECT_EQ(SectionNumber("Deleted"), 1);
    EXPECT_EQ(SectionNumber("NeverPublishFlag"), 1);
    EXPECT_EQ(Count("SELECT * FROM Documents WHERE SectionID = 10 AND Deleted = 0"), 0);
    EXPECT_EQ(Count("SELECT * FROM Images WHERE SectionID = 10 AND Deleted = 0"), 0);
    EXPECT_EQ(Count("SELECT * FROM Documents WHERE SectionID = 13 AND Deleted = 0"), 1);
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(SectionSheetTest, TheSecureCgiWarningIsGreyUntilTheSwitchIsClicked) {
    SetSection(10, "SecureCGI = 1");
    QZSectionForm sheet("Section");
    RunSection(sheet, 10,
               {[&](wxDialog& d) {
                    SaveScreenshot(d, "section-sheet.png");
                    CWnd& page = sheet.m_SectionPage;
                    EXPECT_TRUE(Checked(page, IDC_SECT_SECURE_CGI));
                    EXPECT_FALSE(Enabled(page, IDC_SECT_CGI_WARNING));
                    ClickBox(page, IDC_SECT_SECURE_CGI);
                    EXPECT_FALSE(Enabled(page, IDC_SECT_CGI_WARNING));
                    ClickBox(page, IDC_SECT_SECURE_CGI);
                    EXPECT_TRUE(Enabled(page, IDC_SECT_CGI_WARNING));
                },
                Press(IDOK)});
    EXPECT_EQ(SectionNumber("SecureCGI"), 1);
}

} // namespace
