// The Import Site dialog on a real display: a local tree imported at each depth, a site first
// fetched from a real HTTP server on 127.0.0.1, the notes that follow the retrieve check box,
// and a location that is not there: No keeps the dialog open with nothing logged, and one that
// cannot be made is reported.

#include "platform/core/MessageBox.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/QZSiteImport.h"
#include "tests/content/GenerationFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/support/ImportSiteServer.h"
#include "tests/support/LocalTestServer.h"
#include "tests/support/RecordingHttpServer.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
using Script = DialogScript;

class SiteImportTest : public GenerationTest {
protected:
    void SetUp() override {
        GenerationTest::SetUp();
        RegisterResources();
        setenv("NO_PROXY", "127.0.0.1,localhost", 1);
    }
    void TearDown() override {
        unsetenv("NO_PROXY");
        GenerationTest::TearDown();
    }

    std::vector<std::string> Log() const {
        std::vector<std::string> lines;
        for (const auto& line : m_messages.lines())
            lines.push_back(std::to_string(line.kind) + "|" + line.display);
        return lines;
    }
    static wxTextCtrl* Text(wxDialog* d, int id) { return Script::Item<wxTextCtrl>(d, id); }
    // The user clicks the retrieve check box into the state.
    static void SetRetrieve(wxDialog* d, bool on) {
        auto* retrieve = Script::Item<wxCheckBox>(d, IDC_ISITE_RETRIEVE);
        retrieve->SetValue(on);
        wxCommandEvent event(wxEVT_CHECKBOX, retrieve->GetId());
        event.SetEventObject(retrieve);
        event.SetInt(on ? 1 : 0);
        retrieve->GetEventHandler()->ProcessEvent(event);
    }
    static bool Enabled(wxDialog* d, int id) {
        wxWindow* item = d->FindWindow(id);
        return item && item->IsEnabled();
    }
    // Fills in the location and the depth and presses "Import Site".
    static void Import(wxDialog* d, const std::string& location, int depth) {
        Text(d, IDC_ISITE_LOCATION)->SetValue(location);
        const int radios[] = {IDC_ISITE_DEPTH0, IDC_ISITE_DEPTH1, IDC_ISITE_DEPTH2};
        Script::Item<wxRadioButton>(d, radios[depth])->SetValue(true);
        Script::Click(d, IDOK);
    }
    int Run(std::function<void(wxDialog*)> script) {
        Script driver(std::move(script));
        QZSiteImport dialog;
        const int result = static_cast<int>(dialog.DoModal());
        EXPECT_EQ(driver.opened, 1);
        return result;
    }
    long PagesOf(const std::string& site) {
        return Count("SELECT * FROM Documents INNER JOIN Services ON Documents.ServiceID = "
                     "Services.ServiceID WHERE Services.Name = '" +
                     site + "'");
    }
};

TEST_F(SiteImportTest, TheRetrieveCheckBoxSwitchesTheNotesOver) {
    Run([&](wxDialog* d) {
        EXPECT_EQ(d->GetTitle().utf8_string(), "Import Site");
        EXPECT_EQ(Text(d, IDC_ISITE_ADDRESS)->GetValue().utf8_string(),
                  "http://www.example.com/index.html");
        EXPECT_TRUE(Script::Item<wxRadioButton>(d, IDC_ISITE_DEPTH0)->GetValue());
        const int remote[] = {IDC_ISITE_ADDRESS, IDC_ISITE_ADDRESS_LABEL, IDC_ISITE_ADDRESS_NOTE,
                              IDC_ISITE_REMOTE_NOTE};
        for (int id : remote)
            EXPECT_FALSE(Enabled(d, id)) << id;
        EXPECT_TRUE(Enabled(d, IDC_ISITE_LOCAL_NOTE));
        for (bool on : {true, false}) {
            SetRetrieve(d, on);
            for (int id : remote)
                EXPECT_EQ(Enabled(d, id), on) << id;
            EXPECT_EQ(Enabled(d, IDC_ISITE_LOCAL_NOTE), !on);
        }
        Script::Click(d, IDCANCEL);
    });
}

TEST_F(SiteImportTest, ALocalTreeIsImportedDownToTheChosenDepth) {
    const fs::path root = m_dir.path() / "web" / "acme";
    WriteFile((root / "index.html").string(), "<p>home</p>");
    WriteFile((root / "one" / "a.html").string(), "<p>a</p>");
    WriteFile((root / "one" / "two" / "b.html").string(), "<p>b</p>");
    WriteFile((root / "one" / "two" / "three" / "c.html").string(), "<p>c</p>");
    long before = 0;
    for (int depth = 0; depth <= 2; ++depth) {
        SCOPED_TRACE(depth);
        m_messages.Clear();
        EXPECT_EQ(Run([&](wxDialog* d) { Import(d, root.string(), depth); }), IDOK);
        const Texts log = Log();
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log.front(), "2|- Starting Site Import -------");
        EXPECT_EQ(log.back(), "2|- Site Import Finished -------");
        // Each import makes a new site of the tree: the pages of this one.
        const long pages = PagesOf("acme");
        EXPECT_EQ(pages - before, depth + 1);
        before = pages;
    }
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(SiteImportTest, ASiteIsFetchedFromAWebServerAndImported) {
    ImportSiteServer server((TestDataDir() / "import").string(), UnusedLocalPort());
    const fs::path location = m_dir.path() / "fetched";
    EXPECT_EQ(Run([&](wxDialog* d) {
                  SetRetrieve(d, true);
                  Text(d, IDC_ISITE_ADDRESS)->SetValue(server.Url("/site/index.html"));
                  m_boxes.Answer(IDYES);
                  Import(d, location.string(), 0);
              }),
              IDOK);
    EXPECT_EQ(m_boxes.texts(), Texts{"Should this directory be created?\n\n" + location.string()});
    EXPECT_TRUE(fs::exists(location / "index.html"));
    EXPECT_GT(PagesOf("fetched"), 0);
    const Texts log = Log();
    EXPECT_EQ(log.front(), "2|- Starting Site Import -------");
    EXPECT_EQ(log.back(), "2|- Site Import Finished -------");
}

TEST_F(SiteImportTest, ALocationNotMadeKeepsTheDialogOpen) {
    WriteFile((m_dir.path() / "plain.txt").string(), "a file, not a folder");
    const std::string missing = (m_dir.path() / "missing").string();
    const std::string impossible = (m_dir.path() / "plain.txt" / "site").string();
    EXPECT_EQ(Run([&](wxDialog* d) {
                  m_boxes.Answer(IDNO);
                  Import(d, missing, 0);
                  EXPECT_TRUE(d->IsModal());
                  EXPECT_TRUE(m_messages.lines().empty());
                  EXPECT_FALSE(fs::exists(missing));
                  m_boxes.Answer(IDYES);
                  Import(d, impossible, 0);
                  EXPECT_TRUE(d->IsModal());
                  EXPECT_TRUE(m_messages.lines().empty());
                  Script::Click(d, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(m_boxes.texts(), (Texts{"Should this directory be created?\n\n" + missing,
                                      "Should this directory be created?\n\n" + impossible,
                                      "Unable to create Path:  " + impossible}));
}

} // namespace
