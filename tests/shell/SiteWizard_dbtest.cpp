// The New Site wizard's work without its window, on a real site database: the starter rows
// and their values from the settings, Finish (the rows saved, the site and section selected,
// the development directory offered and made with its parents), Cancel (the rows marked as a
// never-published deletion), the FTP host proposed for a domain and the pages after the
// fourth.

#include "content/QZAttributes.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelPage.h"
#include "res/Resources.h"
#include "res/SiteWizardIds.h"
#include "shell/QZSiteWizard.h"
#include "shell/QZSiteWizardBase.h"
#include "tests/platform/registry/SettingsFolder.h"
#include "tests/shell/ShellSiteFixture.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

constexpr const char* kSettingsKey = "Software\\Zerin\\Marquill\\3.0\\Application";

class SiteWizardTest : public ShellSiteTest {
protected:
    void SetUp() override {
        ShellSiteTest::SetUp();
        RegisterStringTable();
        const char* previous = std::getenv("MARQUILL_ROOT");
        m_hadRoot = previous != nullptr;
        if (previous)
            m_savedRoot = previous;
        setenv("MARQUILL_ROOT", m_root.path().c_str(), 1);
        TestApp().GetCurrentServiceKey() = QZKeyCombo(5, 1, OBJ_SERVICE);
        TestApp().GetCurrentSectionKey() = QZKeyCombo(5, 10, OBJ_SECTION);
    }
    void TearDown() override {
        m_hadRoot ? setenv("MARQUILL_ROOT", m_savedRoot.c_str(), 1) : unsetenv("MARQUILL_ROOT");
        ShellSiteTest::TearDown();
    }

    // The settings key with these roots (a missing value is left out).
    void WriteSettings(std::optional<std::string> webRoot, std::optional<std::string> dbRoot) {
        SECRegistry registry;
        ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
        ASSERT_TRUE(registry.CreateKey(kSettingsKey));
        if (webRoot)
            registry.SetStringValue("WebServerDocRoot", webRoot->c_str());
        if (dbRoot)
            registry.SetStringValue("VantrelDatabaseRoot", dbRoot->c_str());
        registry.Close();
    }

    std::unique_ptr<QZSiteWizardBase> MakeWizard() {
        auto wizard = std::make_unique<QZSiteWizardBase>("Site");
        wizard->SetWizardMode();
        return wizard;
    }

    static std::string Id(const QZVantrelBase* object) {
        return std::to_string(object->GetKey().m_KeyID);
    }
    // Everything under the root folder, relative to it.
    Texts MadeUnderRoot() {
        Texts made;
        for (const auto& entry : fs::recursive_directory_iterator(m_root.path()))
            made.push_back(fs::relative(entry.path(), m_root.path()).string());
        std::sort(made.begin(), made.end());
        return made;
    }

    SettingsFolder m_settings;
    TempDir m_root;
    MessageBoxRecorder m_boxes;
    bool m_hadRoot = false;
    std::string m_savedRoot;
};

TEST_F(SiteWizardTest, FinishAtOnceSavesTheStarterSiteSelectsItAndMakesItsDirectory) {
    const std::string webRoot = m_root.file("web") + "/development";
    WriteSettings(webRoot, "C:\\Marquill");
    auto wizard = MakeWizard();
    m_boxes.Answer(IDYES);
    wizard->FinishSite();

    const std::string site = "ServiceID = " + Id(wizard->GetSite());
    const std::string style = "StyleID = " + Id(wizard->GetStyle());
    const std::string section = "SectionID = " + Id(wizard->GetMainSection());
    const std::string page = "DocID = " + Id(wizard->GetHomePage());
    const struct Case {
        std::string table, column, where, value;
    } texts[] = {
        {"Services", "Name", site, "My Site"},
        {"Services", "WebMasterEmail", site, "webmaster@example.com"},
        {"Services", "DevelopPath", site, webRoot},
        {"Services", "Directory", site, "MySite"},
        {"Services", "ClientsDb", site, "C:\\Marquill\\Data\\YourDatabase.mdb"},
        {"Services", "ClientsProdDb", site, "C:\\Marquill\\Data\\YourDatabase.mdb"},
        {"Services", "ProductionAlias", site, "www.example.com"},
        {"Services", "ProductionPath", site, webRoot},
        {"Services", "ProductionDatabasePath", site, ""},
        {"Services", "ftpDocRoot", site, "mysite"},
        {"Services", "Production_ftp_Address", site, "ftp.example.com"},
        {"Services", "Production_ftp_User", site, "username"},
        {"Services", "Production_ftp_Password", site, ""},
        {"Styles", "StyleName", style, "Default Style"},
        {"Sections", "SectionName", section, "Main Section"},
        {"Sections", "SectionTitle", section, "Main Section"},
        {"Sections", "Directory", section, ""},
        {"Documents", "Title", page, "My Home Page"},
        {"Documents", "FileName", page, "index.html"},
        {"Documents", "ScriptBody", page, "<center><h2>Welcome to My Home Page</h2></center>"},
    };
    for (const Case& c : texts)
        EXPECT_EQ(TextOf(c.table, c.column, c.where), c.value) << c.table << "." << c.column;

    const long siteId = wizard->GetSite()->GetKey().m_KeyID;
    const long styleId = wizard->GetStyle()->GetKey().m_KeyID;
    const long sectionId = wizard->GetMainSection()->GetKey().m_KeyID;
    const struct Number {
        std::string table, column, where;
        long value;
    } numbers[] = {
        {"Services", "ProductionUse_ftp", site, 0},
        {"Services", "StyleID", site, styleId},
        {"Styles", "ServiceID", style, siteId},
        {"Sections", "ServiceID", section, siteId},
        {"Sections", "StyleID", section, styleId},
        {"Sections", "DefaultDocID", section, wizard->GetHomePage()->GetKey().m_KeyID},
        {"Documents", "ServiceID", page, siteId},
        {"Documents", "SectionID", page, sectionId},
        {"Documents", "StyleID", page, styleId},
    };
    for (const Number& n : numbers)
        EXPECT_EQ(NumberOf(n.table, n.column, n.where), n.value) << n.table << "." << n.column;
    for (const auto& [table, where] : {std::pair{"Services", site},
                                       {"Styles", style},
                                       {"Sections", section},
                                       {"Documents", page}}) {
        EXPECT_NE(NumberOf(table, "PublishFlag", where), 0) << table;
        EXPECT_EQ(NumberOf(table, "Deleted", where), 0) << table;
    }

    EXPECT_EQ(TestApp().GetCurrentServiceKey().m_KeyID, siteId);
    EXPECT_EQ(TestApp().GetCurrentSectionKey().m_KeyID, sectionId);
    const std::string made = webRoot + "/MySite";
    EXPECT_EQ(m_boxes.texts(), Texts{"Should this directory be created?\n\n" + made});
    EXPECT_TRUE(fs::is_directory(made));
}

TEST_F(SiteWizardTest, NoToTheQuestionSavesTheSiteAndMakesNothing) {
    WriteSettings(m_root.file("web"), std::nullopt);
    auto wizard = MakeWizard();
    m_boxes.Answer(IDNO);
    wizard->FinishSite();
    EXPECT_EQ(m_boxes.texts(),
              Texts{"Should this directory be created?\n\n" + m_root.file("web") + "/MySite"});
    EXPECT_TRUE(MadeUnderRoot().empty());
    EXPECT_EQ(TextOf("Services", "Name", "ServiceID = " + Id(wizard->GetSite())), "My Site");
}

TEST_F(SiteWizardTest, TheDirectoryJoinsRootSiteAndSectionAndAnExistingOneIsNotAskedFor) {
    WriteSettings(m_root.file("web") + "\\", std::nullopt);
    auto wizard = MakeWizard();
    wizard->GetMainSection()->SetDirectory("main");
    const std::string path = m_root.file("web") + "/MySite/main";
    EXPECT_EQ(wizard->DevelopmentDirectory().str(), path);
    fs::create_directories(path);
    wizard->FinishSite();
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(SiteWizardTest, TheDefaultRootLiesUnderTheDriveRootAndIsMadeWithItsParents) {
    WriteSettings(std::nullopt, std::nullopt);
    auto wizard = MakeWizard();
    m_boxes.Answer(IDYES);
    wizard->FinishSite();
    EXPECT_EQ(TextOf("Services", "DevelopPath", "ServiceID = " + Id(wizard->GetSite())),
              "c:\\webroot\\development");
    EXPECT_EQ(MadeUnderRoot(),
              (Texts{"webroot", "webroot/development", "webroot/development/MySite"}));
}

TEST_F(SiteWizardTest, TheRootsComeFromTheSettingsWhenSetAndAreKeptWhenEmpty) {
    // What a new site row holds before the wizard gives it values.
    const QZService fresh;
    const CServicesSet& row = *fresh.GetRecordset();
    const std::string dbFile = "\\Data\\YourDatabase.mdb";
    const struct Case {
        const char* name;
        std::optional<std::string> webRoot, dbRoot;
        std::string develop, clients, clientsProd;
    } cases[] = {
        {"present", "/srv/web", "/srv/mq", "/srv/web", "/srv/mq" + dbFile, "/srv/mq" + dbFile},
        {"empty", "", "", row.m_DevelopPath.str(), row.m_ClientsDb.str(),
         row.m_ClientsProdDb.str()},
        {"missing", std::nullopt, std::nullopt, "c:\\webroot\\development",
         "c:\\webroot\\development" + dbFile, "c:\\webroot\\development" + dbFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSettings(c.webRoot, c.dbRoot);
        auto wizard = MakeWizard();
        const CServicesSet& site = *wizard->GetSite()->GetRecordset();
        EXPECT_EQ(site.m_DevelopPath.str(), c.develop);
        EXPECT_EQ(site.m_ClientsDb.str(), c.clients);
        EXPECT_EQ(site.m_ClientsProdDb.str(), c.clientsProd);
        EXPECT_TRUE(m_boxes.texts().empty());
        SECRegistry registry;
        registry.Connect(HKEY_CURRENT_USER);
        registry.DeleteKey(kSettingsKey);
    }
}

TEST_F(SiteWizardTest, WithoutTheSettingsKeyTheUserIsToldAndTheDefaultsAreUsed) {
    auto wizard = MakeWizard();
    EXPECT_EQ(m_boxes.texts(),
              Texts{"Couldn't access the registry. \n\n Attempting to use defaults."});
    EXPECT_EQ(wizard->GetSite()->GetRecordset()->m_DevelopPath.str(), "c:\\webroot\\development");
}

TEST_F(SiteWizardTest, AnEmptyOrRelativeRootMakesNothingWhereTheProgramRuns) {
    const std::pair<const char*, const char*> cases[] = {{"", "MySite"}, {"web", "web/MySite"}};
    for (const auto& [root, path] : cases) {
        SCOPED_TRACE(root);
        m_boxes.Clear();
        WriteSettings(root, std::nullopt);
        auto wizard = MakeWizard();
        const fs::path before = fs::current_path();
        TempDir here;
        fs::current_path(here.path());
        wizard->FinishSite();
        fs::current_path(before);
        EXPECT_EQ(m_boxes.texts(), Texts{std::string("Unable to create Path:  ") + path});
        EXPECT_TRUE(fs::is_empty(here.path()));
    }
}

TEST_F(SiteWizardTest, FinishFillsTheProductionFallBacksFromTheDevelopmentValues) {
    WriteSettings(m_root.file("web"), std::nullopt);
    auto wizard = MakeWizard();
    CServicesSet& site = *wizard->GetSite()->GetRecordset();
    site.m_ClientsDb = "/data/dev.mdb";
    site.m_ClientsProdDb.Empty();
    site.m_ProductionPath = "/srv/production";
    m_boxes.Answer(IDNO);
    wizard->FinishSite();
    const std::string where = "ServiceID = " + Id(wizard->GetSite());
    EXPECT_EQ(TextOf("Services", "ClientsProdDb", where), "/data/dev.mdb");
    EXPECT_EQ(TextOf("Services", "ProductionPath", where), "/srv/production");
}

TEST_F(SiteWizardTest, ADirectoryThatCannotBeMadeIsReportedAfterTheRowsAreSaved) {
    std::ofstream(m_root.file("blocked")) << "a file";
    WriteSettings(m_root.file("blocked") + "/web", std::nullopt);
    auto wizard = MakeWizard();
    m_boxes.Answer(IDYES);
    wizard->FinishSite();
    const std::string path = m_root.file("blocked") + "/web/MySite";
    EXPECT_EQ(m_boxes.texts(), (Texts{"Should this directory be created?\n\n" + path,
                                      "Unable to create Path:  " + path}));
    EXPECT_EQ(TextOf("Services", "Name", "ServiceID = " + Id(wizard->GetSite())), "My Site");
}

TEST_F(SiteWizardTest, CancelMarksTheFourRowsAsANeverPublishedDeletionAndMakesNothing) {
    WriteSettings(m_root.file("web"), std::nullopt);
    auto wizard = MakeWizard();
    wizard->CancelSite();
    wizard->FinishSite(); // a wizard is settled once
    for (const auto& [table, where] :
         {std::pair{"Services", "ServiceID = " + Id(wizard->GetSite())},
          {"Styles", "StyleID = " + Id(wizard->GetStyle())},
          {"Sections", "SectionID = " + Id(wizard->GetMainSection())},
          {"Documents", "DocID = " + Id(wizard->GetHomePage())}}) {
        EXPECT_EQ(NumberOf(table, "Deleted", where), 1) << table;
        EXPECT_EQ(NumberOf(table, "PublishFlag", where), 0) << table;
        EXPECT_NE(NumberOf(table, "NeverPublishFlag", where), 0) << table;
    }
    EXPECT_TRUE(m_boxes.texts().empty());
    EXPECT_TRUE(MadeUnderRoot().empty());
    EXPECT_EQ(TestApp().GetCurrentServiceKey().m_KeyID, 1);
}

TEST_F(SiteWizardTest, AWizardThatCannotShowLeavesItsRowsDeletedAndNoSite) {
    WriteSettings(m_root.file("web"), std::nullopt);
    const long before = Count("SELECT * FROM Services");
    QZKeyCombo site(9, 9);
    EXPECT_FALSE(RunNewSiteWizard(nullptr, site)); // no window system here
    EXPECT_EQ(site.m_KeyID, 9);
    EXPECT_EQ(Count("SELECT * FROM Services"), before + 1);
    EXPECT_EQ(Count("SELECT * FROM Services WHERE Deleted = 0"), before - 1);
    EXPECT_EQ(Count("SELECT * FROM Documents WHERE Deleted = 0 AND Title = 'My Home Page'"), 0);
}

TEST_F(SiteWizardTest, ADatabaseThatCannotBeWrittenIsReportedAndGivesNoSite) {
    WriteSettings(m_root.file("web"), std::nullopt);
    Db().SetBusyTimeout(50);
    const Texts told{"The new site could not be written to the site database."};
    {
        WriteLockHolder other(m_path);
        QZKeyCombo site;
        EXPECT_FALSE(RunNewSiteWizard(nullptr, site));
        EXPECT_EQ(m_boxes.texts(), told);
    }
    m_boxes.Clear();
    auto wizard = MakeWizard();
    {
        WriteLockHolder other(m_path);
        EXPECT_FALSE(wizard->FinishSite());
    }
    EXPECT_EQ(m_boxes.texts(), told);
    EXPECT_EQ(TestApp().GetCurrentServiceKey().m_KeyID, 1);
    EXPECT_TRUE(MadeUnderRoot().empty());
}

TEST_F(SiteWizardTest, TheFtpHostIsProposedFromTheDomainsFirstDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"www.example.com", "ftp.example.com"},
        {"example", "ftpexample"},
        {"example.com", "ftp.com"},
        {"", "ftp"},
    };
    for (const auto& [domain, address] : cases)
        EXPECT_EQ(QZSiteWizardBase::ProposeFtpAddress(domain).str(), address) << domain;
}

TEST_F(SiteWizardTest, ThePagesAfterTheFourthFollowTheWayToProduction) {
    WriteSettings(m_root.file("web"), std::nullopt);
    auto wizard = MakeWizard();
    const auto templates = [&wizard] {
        std::vector<UINT> ids;
        for (int i = 0; i < wizard->GetPageCount(); ++i)
            ids.push_back(wizard->GetPage(i)->GetTemplateId());
        return ids;
    };
    EXPECT_EQ(templates(),
              (std::vector<UINT>{IDD_SITEWIZ_P1, IDD_SITEWIZ_P2, IDD_SITEWIZ_P3, IDD_SITEWIZ_P4}));
    wizard->RebuildPagesAfterP4();
    EXPECT_EQ(templates(),
              (std::vector<UINT>{IDD_SITEWIZ_P1, IDD_SITEWIZ_P2, IDD_SITEWIZ_P3, IDD_SITEWIZ_P4,
                                 IDD_SITEWIZ_P5, IDD_SITEWIZ_P7, IDD_SITEWIZ_P8}));
    wizard->GetSite()->GetRecordset()->m_ProductionUse_ftp = 1;
    wizard->RebuildPagesAfterP4();
    EXPECT_EQ(templates(),
              (std::vector<UINT>{IDD_SITEWIZ_P1, IDD_SITEWIZ_P2, IDD_SITEWIZ_P3, IDD_SITEWIZ_P4,
                                 IDD_SITEWIZ_P6, IDD_SITEWIZ_P7, IDD_SITEWIZ_P8}));
}

} // namespace
