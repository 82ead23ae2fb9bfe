// Save As on a real display, driven as a user drives it: the dialog proposes "Copy of" and the
// name, shows the object's site, section and (for a page) file name, refills the sections when
// another site is picked; OK yields a copy that the editor saves as a new row, and Cancel
// leaves the object as it was and adds no row at all.

#include "content/QZVantrelPage.h"
#include "content/QZVantrelTemplate.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/QZSaveAsCopy.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/shell/ShellSiteFixture.h"

#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <memory>

namespace {

using Entries = std::vector<std::string>;
using Script = DialogScript;

class SaveAsTest : public ShellSiteTest {
protected:
    void SetUp() override {
        ShellSiteTest::SetUp();
        RegisterResources();
        TestApp().GetCurrentServiceKey() = QZKeyCombo(5, 1, OBJ_SERVICE);
        TestApp().GetCurrentSectionKey() = QZKeyCombo(5, 10, OBJ_SECTION);
        ExecuteOn(m_path, "UPDATE Documents SET Title = 'Home', FileName = 'home.html' WHERE "
                          "DocID = 2");
    }

    long Claims(SHORT type, LONG id) {
        return Count("SELECT * FROM Semaphor WHERE ObjDbID = 5 AND ObjKeyID = " +
                     std::to_string(id) + " AND ObjTypeID = " + std::to_string(type));
    }

    static bool Shown(wxDialog* dialog, int id) {
        wxWindow* item = dialog->FindWindow(id);
        return item && item->IsShown();
    }
};

TEST_F(SaveAsTest, OkCopiesThePageIntoTheSiteAndSectionPicked) {
    auto home = std::make_unique<QZVantrelPage>(QZKeyCombo(5, 2, OBJ_PAGE), TRUE);
    ASSERT_TRUE(home->m_bEditable);
    const long pages = Count("SELECT * FROM Documents");
    Script script([](wxDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle().utf8_string(), "Save As");
        auto* title = Script::Item<wxTextCtrl>(dialog, IDC_SAVEAS_TITLE);
        auto* sites = Script::Item<wxComboBox>(dialog, IDC_SAVEAS_SERVICE);
        auto* sections = Script::Item<wxComboBox>(dialog, IDC_SAVEAS_SECTION);
        auto* fileName = Script::Item<wxTextCtrl>(dialog, IDC_SAVEAS_FILENAME);
        if (!title || !sites || !sections || !fileName)
            return;
        EXPECT_EQ(title->GetValue().utf8_string(), "Copy of Home");
        EXPECT_EQ(Script::Entries(sites), (Entries{"Main", "Other"}));
        EXPECT_EQ(Script::Selected(sites), "Main");
        EXPECT_EQ(Script::Entries(sections), (Entries{"Sec A", "Sec B"}));
        EXPECT_EQ(Script::Selected(sections), "Sec B");
        EXPECT_TRUE(Shown(dialog, IDC_SAVEAS_SECTION_LABEL));
        EXPECT_TRUE(Shown(dialog, IDC_SAVEAS_FILENAME_LABEL));
        EXPECT_TRUE(fileName->IsShown());
        EXPECT_EQ(fileName->GetValue().utf8_string(), "home.html");
        if (const char* shot = std::getenv("MQ_SAVEAS_SCREENSHOT")) {
            const std::string command = std::string("import -window root '") + shot + "'";
            EXPECT_EQ(std::system(command.c_str()), 0);
        }
        // Another site: its sections, the first selected, as the page's is not among them.
        Script::Pick(sites, 1);
        EXPECT_EQ(Script::Entries(sections), (Entries{"Sec Z"}));
        EXPECT_EQ(Script::Selected(sections), "Sec Z");
        title->SetValue("Home Two");
        fileName->SetValue("home2.html");
        Script::Click(dialog, IDOK);
    });
    std::unique_ptr<QZVantrelBase> copy(QZSaveAsCopy::Run(*home, "Home", TRUE));
    EXPECT_EQ(script.opened, 1);
    ASSERT_NE(copy, nullptr);
    const LONG copyId = copy->GetKey().m_KeyID;
    EXPECT_NE(copyId, 2);

    // The editor then lets the old page go, which frees its claim, and saves the copy.
    home.reset();
    EXPECT_EQ(Claims(OBJ_PAGE, 2), 0);
    ASSERT_EQ(copy->Save(), 1);
    EXPECT_EQ(Count("SELECT * FROM Documents"), pages + 1);
    const std::string row = "DocID = " + std::to_string(copyId);
    EXPECT_EQ(TextOf("Documents", "Title", row), "Home Two");
    EXPECT_EQ(TextOf("Documents", "FileName", row), "home2.html");
    EXPECT_EQ(NumberOf("Documents", "ServiceID", row), 2);
    EXPECT_EQ(NumberOf("Documents", "SectionID", row), 13);
    EXPECT_EQ(NumberOf("Documents", "GenerateFlag", row), 1);
    EXPECT_EQ(Claims(OBJ_PAGE, copyId), 1);
    EXPECT_EQ(TextOf("Documents", "Title", "DocID = 2"), "Home");
}

TEST_F(SaveAsTest, CancelKeepsTheObjectWithItsEditsAndAddsNoRow) {
    auto macro = std::make_unique<QZVantrelTemplate>(QZKeyCombo(5, 2, OBJ_MACRO), TRUE);
    ASSERT_TRUE(macro->m_bEditable);
    macro->SetName("Alpha edited"); // an edit the user has not saved
    const long rows = Count("SELECT * FROM Templates");
    Script script([](wxDialog* dialog) {
        // Renamed already: the title stays the user's. A macro has no section and no file.
        auto* title = Script::Item<wxTextCtrl>(dialog, IDC_SAVEAS_TITLE);
        EXPECT_EQ(title ? title->GetValue().utf8_string() : "", "Alpha edited");
        EXPECT_FALSE(Shown(dialog, IDC_SAVEAS_SECTION_LABEL));
        EXPECT_FALSE(Shown(dialog, IDC_SAVEAS_SECTION_BITMAP));
        EXPECT_FALSE(Shown(dialog, IDC_SAVEAS_SECTION));
        EXPECT_FALSE(Shown(dialog, IDC_SAVEAS_FILENAME_LABEL));
        EXPECT_FALSE(Shown(dialog, IDC_SAVEAS_FILENAME));
        Script::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(QZSaveAsCopy::Run(*macro, "Alpha", FALSE), nullptr);
    EXPECT_EQ(script.opened, 1);
    EXPECT_EQ(Count("SELECT * FROM Templates"), rows);
    EXPECT_EQ(macro->GetName(), "Alpha edited");
    EXPECT_TRUE(macro->m_bEditable);
    EXPECT_EQ(Claims(OBJ_MACRO, 2), 1);
    EXPECT_EQ(TextOf("Templates", "TemplateName", "TemplateID = 2"), "Alpha");
}

} // namespace
