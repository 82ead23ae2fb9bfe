// The Site menu's run, import and component commands on a real display: the close-all
// question comes only while editors are open and Cancel leaves them open without a dialog;
// the site browser is refreshed after the imports and an inserted component.

#include "platform/core/MessageBox.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/QZSiteMenuHost.h"
#include "shell/SiteMenuCommands.h"
#include "tests/content/ComponentFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/shell/RecordingSiteMenuHost.h"

#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using Script = DialogScript;

constexpr const char* kCloseAll = "This will save and close all currently open windows.";

class SiteMenuCommandsTest : public ComponentTest {
protected:
    void SetUp() override {
        ComponentTest::SetUp();
        RegisterResources();
    }
    // Runs the command with a script for the dialog it may show; the titles of those shown.
    Texts Command(void (*command)(CWnd*), std::function<void(wxDialog*)> script = nullptr) {
        Texts titles;
        Script driver([&](wxDialog* d) {
            titles.push_back(d->GetTitle().utf8_string());
            if (script)
                script(d);
            else
                Script::Click(d, IDCANCEL);
        });
        command(nullptr);
        return titles;
    }

    // The main window as these commands see it: editors open or not, and what it was asked.
    RecordingSiteMenuHost m_host;
};

TEST_F(SiteMenuCommandsTest, TheRunsAskToCloseTheEditorsOnlyWhileSomeAreOpen) {
    struct Case {
        void (*command)(CWnd*);
        const char* title;
    } cases[] = {{SiteMenuGeneratePages, "Generate Pages"},
                 {SiteMenuPublishObjects, "Publish Objects"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        m_boxes.Clear();
        m_host.calls.clear();
        m_host.openDocuments = FALSE;
        EXPECT_EQ(Command(c.command), Texts{c.title});
        EXPECT_TRUE(m_boxes.texts().empty());

        m_host.openDocuments = TRUE;
        m_boxes.Answer(IDCANCEL);
        EXPECT_EQ(Command(c.command), Texts{});
        EXPECT_EQ(m_boxes.texts(), Texts{kCloseAll});
        EXPECT_TRUE(m_host.openDocuments);

        // An editor that stays open (its save was cancelled) stops the run too.
        m_host.keepOpen = TRUE;
        m_boxes.Answer(IDOK);
        EXPECT_EQ(Command(c.command), Texts{});
        m_host.keepOpen = FALSE;
        m_boxes.Answer(IDOK);
        EXPECT_EQ(Command(c.command), Texts{c.title});
        EXPECT_FALSE(m_host.openDocuments);
        EXPECT_EQ(m_host.calls, (Texts{"close all", "close all"}));
    }
}

TEST_F(SiteMenuCommandsTest, TheImportsAndAnInsertedComponentRefreshTheSiteBrowser) {
    EXPECT_EQ(Command(SiteMenuImportImages), Texts{"Import Images"});
    EXPECT_EQ(m_host.calls, Texts{"tree 4"});
    m_host.calls.clear();
    EXPECT_EQ(Command(SiteMenuImportSite), Texts{"Import Site"});
    EXPECT_EQ(m_host.calls, Texts{});
    const std::string site = (m_dir.path() / "web" / "mini").string();
    WriteFile(site + "/index.html", "<p>mini</p>");
    Command(SiteMenuImportSite, [&](wxDialog* d) {
        Script::Item<wxTextCtrl>(d, IDC_ISITE_LOCATION)->SetValue(site);
        Script::Click(d, IDOK);
    });
    EXPECT_EQ(m_host.calls, Texts{"site"});

    m_host.calls.clear();
    BuildPackage(Package(), 3);
    ASSERT_EQ(Register(Package()), 1);
    std::filesystem::create_directories(Target());
    std::filesystem::create_directories(m_dir.path() / "dev");
    TestApp().GetCurrentServiceKey() = QZKeyCombo(kDbId, kService, OBJ_SERVICE);
    EXPECT_EQ(Command(SiteMenuInstallComponent), Texts{"Component Install"});
    EXPECT_EQ(Command(SiteMenuInsertComponent,
                      [&](wxDialog* d) {
                          Script::Item<wxTextCtrl>(d, IDC_COMP_FILE)->SetValue(Target().string());
                          Script::Click(d, IDOK);
                      }),
              Texts{"Insert Component"});
    EXPECT_EQ(m_boxes.texts(),
              Texts{"The static pages, for this component, need to be generated."});
    EXPECT_EQ(m_host.calls, Texts{"site"});
}

} // namespace
