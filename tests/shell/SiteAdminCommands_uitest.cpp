// The Site menu's New Site, Edit Site, New Section and Edit Section commands on a real display:
// what they make, what they select and what they ask of the site browser; and that the
// application's command map enables them.

#include "db/QZRecordsetCaches.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CVantrel3App.h"
#include "shell/QZSiteMenuHost.h"
#include "shell/SiteAdminCommands.h"
#include "tests/platform/ui/SheetScript.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/ShellSiteFixture.h"
#include "tests/shell/ShellUiSupport.h"

#include <wx/textctrl.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using Step = SheetScript::Step;

// The site browser as these commands see it.
class RecordingHost : public QZSiteMenuHost {
public:
    RecordingHost() { m_previous = SetSiteMenuHost(this); }
    ~RecordingHost() override { SetSiteMenuHost(m_previous); }

    BOOL HasOpenDocuments() override { return FALSE; }
    BOOL SaveAndCloseAll() override { return TRUE; }
    void RefreshObjectTree(SHORT objectType, const QZKeyCombo& key) override {
        calls.push_back("tree " + std::to_string(objectType) + " " + key.FormatFull().str());
    }
    void RefreshSelectedSite() override { calls.push_back("site"); }
    void ReloadSiteViewer() override {
        calls.push_back("reload");
        // The browser lists the sites again and clears the section, as the main window's does.
        TestApp().GetCurrentSectionKey().SetKey(0, 0);
    }

    Texts calls;

private:
    QZSiteMenuHost* m_previous;
};

// The field of the page the sheet shows, by id.
void TypeShown(wxDialog& sheet, int id, const std::string& text) {
    auto* edit = dynamic_cast<wxTextCtrl*>(sheet.FindWindow(id));
    ASSERT_NE(edit, nullptr) << "no edit " << id;
    edit->SetValue(text);
}

class SiteAdminCommandsTest : public ShellSiteTest {
protected:
    void SetUp() override {
        ShellSiteTest::SetUp();
        RegisterResources();
        ClearRecordsetCaches();
        m_wizards = g_bUseWizards;
        g_bUseWizards = FALSE;
        TestApp().GetCurrentServiceKey().SetKey(kDbId, 1);
        TestApp().GetCurrentSectionKey().SetKey(kDbId, 10);
    }
    void TearDown() override {
        g_bUseWizards = m_wizards;
        ClearRecordsetCaches();
        SettleWindows();
        ShellSiteTest::TearDown();
    }
    // Runs the command with the user's steps at the sheet it shows; how many sheets showed.
    int Command(void (*command)(CWnd*), std::vector<Step> steps) {
        SheetScript user(std::move(steps));
        command(nullptr);
        EXPECT_EQ(user.StepsLeft(), 0u);
        ClearRecordsetCaches();
        return user.shown;
    }
    std::string Selected() {
        return TestApp().GetCurrentServiceKey().FormatFull().str() + " " +
               TestApp().GetCurrentSectionKey().FormatFull().str();
    }

    MessageBoxRecorder m_boxes;
    RecordingHost m_host;
    BOOL m_wizards = FALSE;
};

TEST_F(SiteAdminCommandsTest, NewSiteWithoutTheWizardMakesTheSiteItsStyleAndSection) {
    const std::string web = (m_dir.path() / "web").string();
    EXPECT_EQ(Command(SiteAdminNewSite, {[&](wxDialog& d) {
                                             EXPECT_EQ(d.GetTitle(), "Site");
                                             TypeShown(d, IDC_SVC_TITLE, "Shop");
                                             TypeShown(d, IDC_SVC_DEVROOT, web);
                                             TypeShown(d, IDC_SVC_DIRECTORY, "shop");
                                         },
                                         [](wxDialog& d) { Click(d, IDOK); }}),
              1);
    const long site = NumberOf("Services", "ServiceID", "Name = 'Shop'");
    ASSERT_GT(site, 3);
    const std::string ofSite = "ServiceDbID = 5 AND ServiceID = " + std::to_string(site);
    const long style = NumberOf("Styles", "StyleID", ofSite);
    EXPECT_EQ(TextOf("Styles", "StyleName", ofSite), "Default Style");
    EXPECT_EQ(NumberOf("Styles", "PublishFlag", ofSite), 1);
    const std::string theSite = "ServiceID = " + std::to_string(site);
    EXPECT_EQ(NumberOf("Services", "StyleID", theSite), style);
    EXPECT_EQ(NumberOf("Services", "PublishFlag", theSite), 1);
    EXPECT_EQ(NumberOf("Services", "Deleted", theSite), 0);
    EXPECT_EQ(TextOf("Sections", "SectionName", ofSite), "Main Section");
    EXPECT_EQ(TextOf("Sections", "SectionTitle", ofSite), "Main");
    EXPECT_EQ(NumberOf("Sections", "StyleID", ofSite), style);
    EXPECT_EQ(NumberOf("Sections", "PublishFlag", ofSite), 1);
    const long section = NumberOf("Sections", "SectionID", ofSite);
    EXPECT_EQ(Selected(), "5:" + std::to_string(site) + " 5:" + std::to_string(section));
    EXPECT_EQ(m_host.calls, Texts{"reload"});
}

TEST_F(SiteAdminCommandsTest, ACancelledNewSiteCreatesNothingAndChangesNoSelection) {
    for (BOOL wizards : {FALSE, TRUE}) {
        SCOPED_TRACE(wizards ? "wizard" : "sheet");
        g_bUseWizards = wizards;
        const long sites = Count("SELECT * FROM Services WHERE Deleted = 0");
        const long styles = Count("SELECT * FROM Styles WHERE Deleted = 0");
        const long sections = Count("SELECT * FROM Sections WHERE Deleted = 0");
        {
            // The wizard, when it shows, is cancelled.
            SheetScript user({[](wxDialog& d) { Click(d, IDCANCEL); }});
            SiteAdminNewSite(nullptr);
            EXPECT_EQ(user.shown, wizards ? user.shown : 1);
            ClearRecordsetCaches();
        }
        EXPECT_EQ(Count("SELECT * FROM Services WHERE Deleted = 0"), sites);
        EXPECT_EQ(Count("SELECT * FROM Styles WHERE Deleted = 0"), styles);
        EXPECT_EQ(Count("SELECT * FROM Sections WHERE Deleted = 0"), sections);
        EXPECT_EQ(Selected(), "5:1 5:10");
        EXPECT_TRUE(m_host.calls.empty());
    }
}

TEST_F(SiteAdminCommandsTest, EditSiteAndEditSectionNeedASelection) {
    TestApp().GetCurrentServiceKey().SetKey(kDbId, 0);
    TestApp().GetCurrentSectionKey().SetKey(kDbId, 0);
    EXPECT_EQ(Command(SiteAdminEditSite, {}), 0);
    EXPECT_EQ(Command(SiteAdminEditSection, {}), 0);
    EXPECT_TRUE(m_boxes.texts().empty());

    TestApp().GetCurrentServiceKey().SetKey(kDbId, 2);
    EXPECT_EQ(Command(SiteAdminEditSite, {[](wxDialog& d) {
                          TypeShown(d, IDC_SVC_TITLE, "Other Site");
                          Click(d, IDOK);
                      }}),
              1);
    EXPECT_EQ(TextOf("Services", "Name", "ServiceID = 2"), "Other Site");
    EXPECT_EQ(m_host.calls, Texts{"reload"});
}

TEST_F(SiteAdminCommandsTest, TheSectionCommandsSelectTheSectionAndRefreshItsTree) {
    EXPECT_EQ(Command(SiteAdminNewSection, {[](wxDialog& d) {
                          EXPECT_EQ(d.GetTitle(), "Section");
                          TypeShown(d, IDC_SECT_NAME, "News");
                          Click(d, IDOK);
                      }}),
              1);
    const long section = NumberOf("Sections", "SectionID", "SectionName = 'News'");
    ASSERT_GT(section, 13);
    EXPECT_EQ(Selected(), "5:1 5:" + std::to_string(section));
    EXPECT_EQ(m_host.calls, Texts{"tree 1 5:" + std::to_string(section)});

    m_host.calls.clear();
    TestApp().GetCurrentSectionKey().SetKey(kDbId, 11);
    Command(SiteAdminEditSection, {[](wxDialog& d) { Click(d, IDCANCEL); }});
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_EQ(Selected(), "5:1 5:11");
}

TEST_F(SiteAdminCommandsTest, TheApplicationEnablesTheCommands) {
    for (UINT id : {ID_NEW_SITE, ID_EDIT_SITE, ID_NEW_SECTION, ID_EDIT_SECTION, ID_OPTIONS}) {
        SCOPED_TRACE(id);
        RecordingCmdUI item(id);
        item.DoUpdate(&TestApp(), TRUE);
        EXPECT_EQ(item.enabled, TRUE);
    }
}

} // namespace
