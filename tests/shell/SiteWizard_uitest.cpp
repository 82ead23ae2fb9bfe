// The New Site wizard on a real display, driven by Back, Next and Finish as a user drives it:
// Finish at once through every page, the remote page taking the local one's place while the
// style and section pages keep their entries, the FTP host proposed from the domain, a
// refused directory name keeping its page, and Cancel. With MQ_SCREENSHOT_DIR set, every page
// is saved there as a picture.

#include "content/QZAttributes.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "res/Resources.h"
#include "res/SiteWizardIds.h"
#include "shell/QZSiteWizard.h"
#include "shell/QZSiteWizardBase.h"
#include "tests/platform/registry/SettingsFolder.h"
#include "tests/platform/ui/SheetScript.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/PageControls.h"
#include "tests/shell/ShellSiteFixture.h"
#include "tests/shell/ShellUiSupport.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using Step = SheetScript::Step;
using Texts = std::vector<std::string>;

Step Type(int id, const std::string& text) {
    return [id, text](wxDialog& sheet) {
        if (auto* field = Shown<wxTextCtrl>(sheet, id))
            field->SetValue(wxString::FromUTF8(text));
    };
}

Step ExpectText(int id, const std::string& text) {
    return [id, text](wxDialog& sheet) {
        auto* field = Shown<wxTextCtrl>(sheet, id);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->GetValue().utf8_string(), text) << "field " << id;
    };
}

Step Choose(int radioId) {
    return [radioId](wxDialog& sheet) {
        if (auto* radio = Shown<wxRadioButton>(sheet, radioId))
            radio->SetValue(true);
    };
}

Step Screenshot(const std::string& name) {
    return [name](wxDialog& sheet) {
        PumpFor(300); // the toolkit's button transitions settle
        SaveScreenshot(sheet, name);
    };
}

class SiteWizardUiTest : public ShellSiteTest {
protected:
    void SetUp() override {
        ShellSiteTest::SetUp();
        RegisterResources();
        SECRegistry registry;
        ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
        ASSERT_TRUE(registry.CreateKey("Software\\Zerin\\Marquill\\3.0\\Application"));
        registry.SetStringValue("WebServerDocRoot", m_root.file("web").c_str());
        registry.Close();
        TestApp().GetCurrentServiceKey() = QZKeyCombo(5, 1, OBJ_SERVICE);
        TestApp().GetCurrentSectionKey() = QZKeyCombo(5, 10, OBJ_SECTION);
    }

    // A step that notes the template of the page the wizard shows.
    Step Note(QZSiteWizardBase& wizard) {
        return [this, &wizard](wxDialog&) {
            m_pages.push_back(wizard.GetActivePage()->GetTemplateId());
        };
    }
    std::string SiteText(const QZKeyCombo& site, const std::string& column) {
        return TextOf("Services", column, "ServiceID = " + std::to_string(site.m_KeyID));
    }

    SettingsFolder m_settings;
    TempDir m_root;
    MessageBoxRecorder m_boxes;
    std::vector<UINT> m_pages;
};

TEST_F(SiteWizardUiTest, FinishThroughEveryPageMakesTheStarterSite) {
    std::vector<Step> steps;
    const char* names[] = {"p1", "p2", "p3", "p4", "p5", "p7", "p8"};
    for (const char* name : names) {
        steps.push_back(Screenshot(std::string("sitewizard-") + name + ".png"));
        steps.push_back(Press(name == std::string("p8") ? ID_WIZFINISH : ID_WIZNEXT));
    }
    steps.insert(steps.begin(), [](wxDialog& sheet) {
        EXPECT_EQ(sheet.GetTitle().utf8_string(), "Site");
        EXPECT_EQ(SheetButton(sheet, ID_WIZBACK)->IsEnabled(), false);
    });
    SheetScript script(steps);
    m_boxes.Answer(IDYES);
    QZKeyCombo site;
    ASSERT_TRUE(RunNewSiteWizard(nullptr, site));
    EXPECT_EQ(script.StepsLeft(), 0u);
    EXPECT_EQ(SiteText(site, "Name"), "My Site");
    EXPECT_EQ(SiteText(site, "ProductionPath"), m_root.file("web"));
    EXPECT_EQ(NumberOf("Services", "Deleted", "ServiceID = " + std::to_string(site.m_KeyID)), 0);
    EXPECT_EQ(TestApp().GetCurrentServiceKey().m_KeyID, site.m_KeyID);
    EXPECT_TRUE(fs::is_directory(m_root.file("web") + "/MySite"));
    EXPECT_EQ(m_boxes.texts(),
              Texts{"Should this directory be created?\n\n" + m_root.file("web") + "/MySite"});
}

TEST_F(SiteWizardUiTest, RemoteTakesTheLocalPagesPlaceAndTheLaterPagesKeepTheirEntries) {
    QZSiteWizardBase wizard("Site");
    wizard.SetWizardMode();
    SheetScript script({
        Press(ID_WIZNEXT),
        Press(ID_WIZNEXT),
        Press(ID_WIZNEXT),
        ExpectText(IDC_SWIZ_DOMAIN, "www.example.com"),
        Press(ID_WIZNEXT),
        Note(wizard), // P5
        Type(IDC_SWIZ_PRODPATH, "/srv/local"),
        Press(ID_WIZNEXT),
        Note(wizard), // P7
        [&wizard](wxDialog&) {
            wizard.m_P7.GetWell(IDC_SWIZ_BACKCOLOR)->SetColor(RGB(255, 128, 0));
        },
        Press(ID_WIZNEXT),
        Note(wizard), // P8
        Type(IDC_SWIZ_SECTIONNAME, "Docs"),
        Type(IDC_SWIZ_SECTIONDIR, "docs"),
        Press(ID_WIZBACK),
        Press(ID_WIZBACK),
        Press(ID_WIZBACK),
        Note(wizard), // P4
        Choose(IDC_SWIZ_REMOTE),
        Press(ID_WIZNEXT),
        Note(wizard), // P6
        ExpectText(IDC_SWIZ_FTPADDRESS, "ftp.example.com"),
        ExpectText(IDC_SWIZ_FTPROOT, "mysite"),
        ExpectText(IDC_SWIZ_FTPUSER, "username"),
        ExpectText(IDC_SWIZ_FTPPASSWORD, ""),
        [](wxDialog& sheet) {
            auto* password = Shown<wxTextCtrl>(sheet, IDC_SWIZ_FTPPASSWORD);
            ASSERT_NE(password, nullptr);
            EXPECT_TRUE(password->HasFlag(wxTE_PASSWORD));
        },
        Screenshot("sitewizard-p6.png"),
        Press(ID_WIZBACK),
        Type(IDC_SWIZ_DOMAIN, "example"),
        Press(ID_WIZNEXT),
        ExpectText(IDC_SWIZ_FTPADDRESS, "ftpexample"),
        Type(IDC_SWIZ_FTPPASSWORD, "secret"),
        Press(ID_WIZNEXT),
        Note(wizard), // P7
        [&wizard](wxDialog&) {
            EXPECT_EQ(wizard.m_P7.GetWell(IDC_SWIZ_BACKCOLOR)->GetColor(), RGB(255, 128, 0));
        },
        Press(ID_WIZNEXT),
        Note(wizard), // P8
        ExpectText(IDC_SWIZ_SECTIONNAME, "Docs"),
        ExpectText(IDC_SWIZ_SECTIONDIR, "docs"),
        ExpectText(IDC_SWIZ_RELPATH, "MySite"),
        Press(ID_WIZFINISH),
    });
    m_boxes.Answer(IDNO);
    EXPECT_EQ(wizard.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(script.StepsLeft(), 0u);
    EXPECT_EQ(m_pages,
              (std::vector<UINT>{IDD_SITEWIZ_P5, IDD_SITEWIZ_P7, IDD_SITEWIZ_P8, IDD_SITEWIZ_P4,
                                 IDD_SITEWIZ_P6, IDD_SITEWIZ_P7, IDD_SITEWIZ_P8}));
    const QZKeyCombo site = wizard.GetSite()->GetKey();
    EXPECT_EQ(SiteText(site, "ProductionAlias"), "example");
    EXPECT_EQ(SiteText(site, "Production_ftp_Address"), "ftpexample");
    EXPECT_EQ(SiteText(site, "ProductionPath"), "/srv/local");
    EXPECT_EQ(
        NumberOf("Services", "ProductionUse_ftp", "ServiceID = " + std::to_string(site.m_KeyID)),
        1);
    EXPECT_EQ(wizard.GetSite()->GetRecordset()->m_Production_ftp_Password.Get().str(), "secret");
    const std::string section =
        "SectionID = " + std::to_string(wizard.GetMainSection()->GetKey().m_KeyID);
    EXPECT_EQ(TextOf("Sections", "SectionName", section), "Docs");
    EXPECT_EQ(TextOf("Sections", "Directory", section), "docs");
    EXPECT_EQ(TextOf("Styles", "BackColor",
                     "StyleID = " + std::to_string(wizard.GetStyle()->GetKey().m_KeyID)),
              "FF8000");
    EXPECT_EQ(m_boxes.texts(),
              Texts{"Should this directory be created?\n\n" + m_root.file("web") + "/MySite/docs"});
    EXPECT_FALSE(fs::exists(m_root.file("web")));
}

TEST_F(SiteWizardUiTest, ARefusedDirectoryNameKeepsItsPageAndCancelMakesNothing) {
    QZSiteWizardBase wizard("Site");
    wizard.SetWizardMode();
    SheetScript script({
        Press(ID_WIZNEXT),
        Type(IDC_SWIZ_DIRECTORY, "../x"),
        Press(ID_WIZNEXT),
        Note(wizard),
        Type(IDC_SWIZ_DIRECTORY, "site"),
        Press(ID_WIZNEXT),
        Press(ID_WIZNEXT),
        Press(ID_WIZNEXT),
        Press(ID_WIZNEXT),
        Press(ID_WIZNEXT),
        Type(IDC_SWIZ_SECTIONDIR, "a b"),
        Press(ID_WIZFINISH),
        Note(wizard),
        Press(IDCANCEL),
    });
    EXPECT_EQ(wizard.DoModal(), IDCANCEL);
    EXPECT_EQ(script.StepsLeft(), 0u);
    EXPECT_EQ(m_pages, (std::vector<UINT>{IDD_SITEWIZ_P2, IDD_SITEWIZ_P8}));
    EXPECT_EQ(m_boxes.texts(),
              (Texts{"Invalid directory name:  ../x", "Invalid directory name:  a b"}));
    const std::string site = "ServiceID = " + std::to_string(wizard.GetSite()->GetKey().m_KeyID);
    EXPECT_EQ(TextOf("Services", "Directory", site), "site");
    EXPECT_EQ(NumberOf("Services", "Deleted", site), 1);
    EXPECT_NE(NumberOf("Services", "NeverPublishFlag", site), 0);
    EXPECT_EQ(NumberOf("Services", "PublishFlag", site), 0);
    EXPECT_EQ(TextOf("Sections", "Directory",
                     "SectionID = " + std::to_string(wizard.GetMainSection()->GetKey().m_KeyID)),
              "");
    EXPECT_FALSE(fs::exists(m_root.file("web")));
    EXPECT_EQ(TestApp().GetCurrentServiceKey().m_KeyID, 1);
}

} // namespace
