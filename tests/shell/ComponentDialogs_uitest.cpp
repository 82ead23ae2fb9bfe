// The component dialogs on a real display, over the component mover and a fixture package:
// Component Install registers the package chosen in the file chooser, Insert Component lists
// it ("source: title (vversion)") as soon as the install dialog closes and inserts it into the
// selected site; packages and insertions that fail keep their dialogs open with their message.

#include "platform/core/MessageBox.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/QZComponentComboBox.h"
#include "shell/QZComponentInsert.h"
#include "tests/content/ComponentFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/support/FileChooserScript.h"

#include <wx/filedlg.h>
#include <wx/textctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using Script = DialogScript;

// Plays the user at the program's dialogs, nested ones too: each dialog, by its title, gets
// the next script queued for it. File choosers are the file chooser script's.
class NestedDialogScript : public wxModalDialogHook {
public:
    NestedDialogScript() { Register(); }
    ~NestedDialogScript() override { Unregister(); }

    void Queue(const std::string& title, std::function<void(wxDialog*)> script) {
        m_scripts[title].push_back(std::move(script));
    }
    int opened = 0;

protected:
    int Enter(wxDialog* dialog) override {
        if (dynamic_cast<wxFileDialog*>(dialog))
            return wxID_NONE;
        ++opened;
        auto& queue = m_scripts[dialog->GetTitle().utf8_string()];
        if (queue.empty()) {
            ADD_FAILURE() << "no script for " << dialog->GetTitle().utf8_string();
            return wxID_CANCEL;
        }
        auto script = std::move(queue.front());
        queue.erase(queue.begin());
        auto timer = std::make_unique<wxTimer>();
        timer->Bind(wxEVT_TIMER, [dialog, script](wxTimerEvent&) {
            script(dialog);
            if (dialog->IsModal()) {
                ADD_FAILURE() << "the script left the dialog open";
                dialog->EndModal(wxID_CANCEL);
            }
        });
        timer->StartOnce(300);
        m_timers.push_back(std::move(timer));
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    std::map<std::string, std::vector<std::function<void(wxDialog*)>>> m_scripts;
    std::vector<std::unique_ptr<wxTimer>> m_timers;
};

class ComponentDialogsTest : public ComponentTest {
protected:
    void SetUp() override {
        ComponentTest::SetUp();
        RegisterResources();
        BuildPackage(Package(), 3);
        ExecuteOn((Package() / "guest.mdb").string(),
                  "UPDATE ComponentsInstalled SET ComponentSrc = 'Forum', ComponentTitle = "
                  "'Discussion pages'");
    }
    static std::string TextIn(wxDialog* d, int id) {
        auto* text = Script::Item<wxTextCtrl>(d, id);
        return text ? text->GetValue().utf8_string() : "";
    }
    static wxComboBox* Components(wxDialog* d) {
        return Script::Item<wxComboBox>(d, IDC_COMP_COMBO);
    }
    int RunInsert() {
        QZComponentInsert dialog;
        return static_cast<int>(dialog.DoModal());
    }

    NestedDialogScript m_script;
    FileChooserScript m_chooser;
};

TEST_F(ComponentDialogsTest, AnEntryShowsAsSourceTitleAndVersion) {
    EXPECT_EQ(QZComponentComboBox::FormatEntry("Forum\tDiscussion pages\t3").str(),
              "Forum: Discussion pages (v3)");
    EXPECT_EQ(QZComponentComboBox::FormatEntry("Zerin's Labs\tGuest Book\t12").str(),
              "Zerin's Labs: Guest Book (v12)");
}

TEST_F(ComponentDialogsTest, ARegisteredPackageIsListedAtOnceAndInsertedIntoTheSite) {
    m_script.Queue("Insert Component", [&](wxDialog* d) {
        EXPECT_EQ(Script::Entries(Components(d)), Texts{});
        // The client directory comes from the selected site's development path.
        EXPECT_EQ(TextIn(d, IDC_COMP_FILE), UnderRoot("dev"));
        Script::Click(d, IDC_COMP_INSTALL_NEW);
        EXPECT_EQ(Script::Entries(Components(d)), Texts{"Forum: Discussion pages (v3)"});
        EXPECT_EQ(Script::Selected(Components(d)), "Forum: Discussion pages (v3)");
        Script::Item<wxTextCtrl>(d, IDC_COMP_FILE)->SetValue(Target().string());
        Script::Click(d, IDOK);
    });
    m_script.Queue("Component Install", [&](wxDialog* d) {
        m_chooser.Choose((Package() / "guest.mdb").string());
        Script::Click(d, IDC_COMP_BROWSE);
        EXPECT_EQ(TextIn(d, IDC_COMP_FILE), "guest.mdb");
        Script::Click(d, IDOK);
    });
    std::filesystem::create_directories(Target());
    std::filesystem::create_directories(m_dir.path() / "dev");
    EXPECT_EQ(RunInsert(), IDOK);
    EXPECT_EQ(m_script.opened, 2);
    EXPECT_TRUE(m_boxes.texts().empty()) << ::testing::PrintToString(m_boxes.texts());
    EXPECT_EQ(Rows(m_path, "SELECT ComponentSrc, ComponentTitle, VersionNumber FROM "
                           "ComponentsInstalled"),
              Texts{"Forum|Discussion pages|3"});
    EXPECT_TRUE(std::filesystem::exists(Target() / "guest.mdb"));
    // The component's objects now belong to the site.
    EXPECT_GT(CountRows(m_path, "SELECT * FROM Documents WHERE ServiceID = 10"), 0);
}

TEST_F(ComponentDialogsTest, FailuresKeepTheirDialogsOpenWithTheirMessages) {
    WriteFile((m_dir.path() / "junk.mdb").string(), "not a database");
    m_script.Queue("Insert Component", [&](wxDialog* d) {
        // Nothing registered, so nothing to insert.
        Script::Click(d, IDOK);
        EXPECT_TRUE(d->IsModal());
        Script::Click(d, IDC_COMP_INSTALL_NEW);
        EXPECT_EQ(Script::Entries(Components(d)), Texts{});
        Script::Click(d, IDCANCEL);
    });
    m_script.Queue("Component Install", [&](wxDialog* d) {
        m_chooser.Choose((m_dir.path() / "junk.mdb").string());
        Script::Click(d, IDC_COMP_BROWSE);
        Script::Click(d, IDOK);
        EXPECT_TRUE(d->IsModal());
        EXPECT_EQ(TextIn(d, IDC_COMP_FILE), "junk.mdb");
        Script::Click(d, IDCANCEL);
    });
    EXPECT_EQ(RunInsert(), IDCANCEL);
    EXPECT_EQ(m_boxes.texts(), (Texts{"error?!?", "This component could not be installed!"}));
    EXPECT_EQ(CountRows(m_path, "SELECT * FROM ComponentsInstalled"), 0);
}

TEST_F(ComponentDialogsTest, WithoutASelectedSiteTheClientDirectoryStartsEmpty) {
    TestApp().GetCurrentServiceKey() = QZKeyCombo(0, 0, OBJ_SERVICE);
    m_script.Queue("Insert Component", [&](wxDialog* d) {
        EXPECT_EQ(TextIn(d, IDC_COMP_FILE), "");
        Script::Click(d, IDCANCEL);
    });
    EXPECT_EQ(RunInsert(), IDCANCEL);
}

} // namespace
