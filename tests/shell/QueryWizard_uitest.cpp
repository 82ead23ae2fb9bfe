// The query wizard on a real display over the forms tests' site, driven by its Next, Back and
// Finish as a user drives it: the pages it shows for each query and mode, the parameter lines,
// Next refused on "None", the pages rebuilt when the user comes back to the first page, and the
// exact text it builds.

#include "db/QZRecordsetCaches.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/ui/CCheckListBox.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/QZQueryWizardBase.h"
#include "tests/content/FormsFixture.h"
#include "tests/platform/ui/SheetScript.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;
using Step = SheetScript::Step;

void Send(wxWindow* control, wxEventType type, int index) {
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    event.SetInt(index);
    control->GetEventHandler()->ProcessEvent(event);
}

// The user picks the query whose entry begins with `name`.
Step ChooseQuery(const std::string& name) {
    return [name](wxDialog& sheet) {
        auto* list = Shown<wxComboBox>(sheet, IDC_QWIZ_QUERY);
        ASSERT_NE(list, nullptr);
        for (unsigned index = 0; index < list->GetCount(); ++index) {
            if (list->GetString(index).utf8_string().rfind(name, 0) == 0) {
                list->SetSelection(static_cast<int>(index));
                Send(list, wxEVT_COMBOBOX, static_cast<int>(index));
                return;
            }
        }
        ADD_FAILURE() << "no query " << name;
    };
}

Step ChooseMode(int mode) {
    return [mode](wxDialog& sheet) {
        const int ids[] = {IDC_QWIZ_PRINT, IDC_QWIZ_ADDROWS, IDC_QWIZ_EDITROWS};
        auto* radio = Shown<wxRadioButton>(sheet, ids[mode]);
        ASSERT_NE(radio, nullptr);
        radio->SetValue(true);
        Send(radio, wxEVT_RADIOBUTTON, 1);
    };
}

Step Press(int id) {
    return [id](wxDialog& sheet) { Click(sheet, id); };
}

// The field list shown: the program's check list over the control with that id.
CCheckListBox* ShownFieldList(wxDialog& sheet) {
    auto* window = Shown<wxWindow>(sheet, IDC_QWIZ_FIELDS);
    return window ? dynamic_cast<CCheckListBox*>(CWnd::FromHandle(window)) : nullptr;
}

// The line of the field list whose text is `name`, or -1.
int FieldLine(CCheckListBox& list, const std::string& name) {
    for (int line = 0; line < list.GetCount(); ++line) {
        CString text;
        list.GetText(line, text);
        if (text.str() == name)
            return line;
    }
    return -1;
}

// Checks (or clears) the lines of the field list shown, by name.
Step CheckFields(const Entries& names, bool check = true) {
    return [names, check](wxDialog& sheet) {
        CCheckListBox* list = ShownFieldList(sheet);
        ASSERT_NE(list, nullptr);
        for (const std::string& name : names) {
            const int line = FieldLine(*list, name);
            ASSERT_NE(line, -1) << name;
            list->SetCheck(line, check ? 1 : 0);
        }
    };
}

Step ClearAllFields() {
    return [](wxDialog& sheet) {
        CCheckListBox* list = ShownFieldList(sheet);
        ASSERT_NE(list, nullptr);
        for (int line = 0; line < list->GetCount(); ++line)
            list->SetCheck(line, 0);
    };
}

Step SelectField(const std::string& name) {
    return [name](wxDialog& sheet) {
        CCheckListBox* list = ShownFieldList(sheet);
        ASSERT_NE(list, nullptr);
        const int line = FieldLine(*list, name);
        list->SetCurSel(line);
        Send(list->GetSafeHwnd(), wxEVT_LISTBOX, line);
    };
}

Step SetBox(int id, bool checked) {
    return [id, checked](wxDialog& sheet) {
        auto* box = Shown<wxCheckBox>(sheet, id);
        ASSERT_NE(box, nullptr);
        box->SetValue(checked);
        Send(box, wxEVT_CHECKBOX, checked ? 1 : 0);
    };
}

Step Type(int id, const std::string& text) {
    return [id, text](wxDialog& sheet) {
        if (auto* field = Shown<wxTextCtrl>(sheet, id))
            field->SetValue(wxString::FromUTF8(text));
    };
}

// Expects the text of a field of the page shown.
Step ExpectText(int id, const std::string& text) {
    return [id, text](wxDialog& sheet) {
        auto* field = Shown<wxTextCtrl>(sheet, id);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->GetValue().utf8_string(), text);
    };
}

std::vector<Step> Join(std::vector<std::vector<Step>> parts) {
    std::vector<Step> steps;
    for (auto& part : parts)
        steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

class QueryWizardTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        RegisterResources();
        CDaoDatabase db;
        db.Open(ShopFile().c_str());
        CDaoQueryDef query(&db);
        query.Create("SalesByRegion", "PARAMETERS StartDate DateTime, Region Text; SELECT Name "
                                      "FROM Products WHERE Added >= [StartDate] AND Category = "
                                      "[Region];");
        query.Append();
        db.Close();
        AddQuery(34, "SalesByRegion", false, "C:\\data\\shop.mdb");
        ClearRecordsetCaches();
    }

    // Runs the wizard through the steps; the text it gave.
    std::string Run(std::vector<Step> steps) {
        SheetScript script(std::move(steps));
        std::string text = RunQueryWizard().str();
        EXPECT_EQ(script.StepsLeft(), 0u);
        return text;
    }

    // A step that notes the title of the page shown.
    Step Note() {
        return [this](wxDialog& sheet) { m_titles.push_back(sheet.GetTitle().utf8_string()); };
    }

    Entries m_titles;
};

TEST_F(QueryWizardTest, ThePagesFollowTheQueryAndTheMode) {
    const struct Case {
        std::string query;
        int mode;
        Entries titles;
    } cases[] = {
        {"Query 41", 0, {"Query Command", "Query Fields", "Query Special Cases", "Query Group By"}},
        {"Query 34",
         0,
         {"Query Command", "Query Arguments/Parameters", "Query Fields", "Query Special Cases",
          "Query Group By"}},
        {"Query 34",
         1,
         {"Query Command", "Query Arguments/Parameters", "Query Fields", "Query Submit Button"}},
        {"Query 41", 2, {"Query Command", "Query Fields", "Query Submit Button"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query + " mode " + std::to_string(c.mode));
        m_titles.clear();
        std::vector<Step> steps = {Note(), ChooseQuery(c.query), ChooseMode(c.mode)};
        for (size_t page = 1; page < c.titles.size(); ++page) {
            steps.push_back(Press(ID_WIZNEXT));
            steps.push_back(Note());
        }
        steps.push_back(Press(ID_WIZFINISH));
        EXPECT_FALSE(Run(steps).empty());
        EXPECT_EQ(m_titles, c.titles);
    }
}

TEST_F(QueryWizardTest, NextOnNoneStaysAndCancelGivesNoText) {
    const std::string text = Run({
        Press(ID_WIZNEXT),
        Note(),
        ChooseQuery("Query 41"),
        ChooseQuery("None"),
        Press(ID_WIZNEXT),
        Note(),
        Press(IDCANCEL),
    });
    EXPECT_EQ(m_titles, (Entries{"Query Command", "Query Command"}));
    EXPECT_EQ(text, "");
}

TEST_F(QueryWizardTest, TwoParametersShowTwoLinesThatReachTheCommandAsOneText) {
    const std::string text = Run({
        ChooseQuery("Query 34"),
        Press(ID_WIZNEXT),
        ExpectText(IDC_QWIZ_PARAMETERS, "StartDate=???\nRegion=???"),
        Press(ID_WIZNEXT),
        ClearAllFields(),
        Press(ID_WIZNEXT),
        SetBox(IDC_QWIZ_ROWCOUNT, false),
        SetBox(IDC_QWIZ_NOROWS, false),
        Press(ID_WIZNEXT),
        Press(ID_WIZFINISH),
    });
    EXPECT_EQ(text, "// Query 34\r\n<<query :34, StartDate=???, Region=???"
                    ">>\r\n\r\n<</query>>\r\n");
}

TEST_F(QueryWizardTest, BackToTheFirstPageAndOnRebuildsThePagesAndClearsTheTexts) {
    const std::string text = Run({
        ChooseQuery("Query 34"),
        Press(ID_WIZNEXT),
        Press(ID_WIZNEXT), // the parameter text is taken
        Press(ID_WIZBACK),
        Press(ID_WIZBACK),
        ChooseQuery("Query 32"),
        Press(ID_WIZNEXT),
        Note(),
        ClearAllFields(),
        Press(ID_WIZNEXT),
        SetBox(IDC_QWIZ_ROWCOUNT, false),
        SetBox(IDC_QWIZ_NOROWS, false),
        Press(ID_WIZNEXT),
        Press(ID_WIZFINISH),
    });
    EXPECT_EQ(m_titles, (Entries{"Query Fields"}));
    EXPECT_EQ(text, "// Query 32\r\n<<query :32>>\r\n\r\n<</query>>\r\n");
}

const std::string kRowCount = "\t<<firstrow>>\r\n\t\tThere are <<print [RowCount]>> items in this "
                              "query.\r\n\t<</firstrow>>\r\n\r\n";
const std::string kNoRows = "\r\n\t<<norows>>\r\n\t\tThere are no items in this query.\r\n";

TEST_F(QueryWizardTest, PrintingBuildsTheQueryWithItsSpecialCasesGroupsAndFields) {
    const struct Case {
        std::string name;
        std::vector<Step> steps;
        std::string text;
    } cases[] = {
        {"no field checked, both special cases",
         {ChooseQuery("Query 41"), Press(ID_WIZNEXT), ClearAllFields(), Press(ID_WIZNEXT),
          Press(ID_WIZNEXT), Press(ID_WIZFINISH)},
         "// Query 41\r\n<<query :41>>\r\n" + kRowCount + "\r\n" + kNoRows + "<</query>>\r\n"},
        {"fields, the row count only",
         {ChooseQuery("Query 31"), Press(ID_WIZNEXT), Press(ID_WIZNEXT), Press(ID_WIZNEXT),
          SetBox(IDC_QWIZ_NOROWS, false), Press(ID_WIZNEXT), Press(ID_WIZFINISH)},
         "// Query 31\r\n<<query :31, cat=???"
         ">>\r\n" +
             kRowCount +
             "\r\n\t<<print [Name]>> <br>\r\n\t<<print [Price]>> <br>\r\n<</query>>\r\n"},
        {"groups with and without an action, the last line's action kept",
         {ChooseQuery("Query 31"), Press(ID_WIZNEXT), Press(ID_WIZNEXT), ClearAllFields(),
          Press(ID_WIZNEXT), SetBox(IDC_QWIZ_ROWCOUNT, false), SetBox(IDC_QWIZ_NOROWS, false),
          Press(ID_WIZNEXT), CheckFields({"Name", "Price"}), SelectField("Name"),
          ExpectText(IDC_QWIZ_ACTION, "<h1><<print [Name]>></h1>"), SelectField("Price"),
          ExpectText(IDC_QWIZ_ACTION, "<h1><<print [Price]>></h1>"),
          Type(IDC_QWIZ_ACTION, "<b><<print [Price]>></b>"), Press(ID_WIZFINISH)},
         "// Query 31\r\n<<query :31, cat=???"
         ">>\r\n"
         "\t<<group [Name]>>\r\n\t\t<h1><<print [Name]>></h1>\r\n\t<</group>> <br>\r\n"
         "\t<<group [Price]>>\r\n\t\t<b><<print [Price]>></b>\r\n\t<</group>> <br>\r\n"
         "\r\n<</query>>\r\n"},
        {"a checked line never selected prints its field",
         {ChooseQuery("Query 32"), Press(ID_WIZNEXT), ClearAllFields(), Press(ID_WIZNEXT),
          SetBox(IDC_QWIZ_ROWCOUNT, false), SetBox(IDC_QWIZ_NOROWS, false), Press(ID_WIZNEXT),
          CheckFields({"Customer"}), SelectField("OrderID"), ExpectText(IDC_QWIZ_ACTION, ""),
          [](wxDialog& sheet) { SaveScreenshot(sheet, "query-wizard-group.png"); },
          Press(ID_WIZFINISH)},
         "// Query 32\r\n<<query :32>>\r\n"
         "\t<<group [Customer]>>\r\n\t\t<h3><<print[Customer]>></h3>\r\n<</group>> <br>\r\n"
         "\r\n<</query>>\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run(c.steps), c.text);
    }
}

const std::string kSubmit = "<input type=\"submit\" value=\"Submit\">\r\n";
const std::string kReset = "<input type=\"reset\" value=\"Reset\">\r\n";

TEST_F(QueryWizardTest, AddingAndEditingBuildFormFieldsAndButtons) {
    // Products: ProductID a number (10), Notes a memo (300); the stored query's Name has no
    // width (30).
    const std::vector<Step> memoAndNumber = {ClearAllFields(), CheckFields({"ProductID", "Notes"})};
    const struct Case {
        std::string name;
        std::vector<Step> steps;
        std::string text;
    } cases[] = {
        {"adding, both buttons",
         Join({{ChooseQuery("Query 41"), ChooseMode(1), Press(ID_WIZNEXT)},
               memoAndNumber,
               {Press(ID_WIZNEXT), Press(ID_WIZFINISH)}}),
         "// Query 41\r\n<<query :41>>\r\n\r\n"
         "\tProductID:  <input type=\"text\" name=\"ProductID\" value=\"\" size=\"30\" "
         "maxlength=\"10\"> <br>\r\n"
         "\tNotes:  <textarea rows=6 cols=50 name=\"Notes\"></textarea> <br>\r\n"
         "<</query>>\r\n" +
             kSubmit + kReset},
        {"editing, the submit button only, renamed",
         Join({{ChooseQuery("Query 41"), ChooseMode(2), Press(ID_WIZNEXT)},
               memoAndNumber,
               {Press(ID_WIZNEXT), SetBox(IDC_QWIZ_RESET, false),
                Type(IDC_QWIZ_SUBMIT_CAPTION, "Save"), Press(ID_WIZFINISH)}}),
         "// Query 41\r\n<<query :41>>\r\n\r\n"
         "\tProductID:  <input type=\"text\" name=\"ProductID\" value=\"<<print [ProductID]>>\" "
         "size=\"30\" maxlength=\"10\"> <br>\r\n"
         "\tNotes:  <textarea rows=6 cols=50 name=\"Notes\"><<print [Notes]>></textarea> <br>\r\n"
         "<</query>>\r\n<input type=\"submit\" value=\"Save\">\r\n"},
        {"adding a field without a width, no buttons",
         {ChooseQuery("Query 31"), ChooseMode(1), Press(ID_WIZNEXT), Press(ID_WIZNEXT),
          ClearAllFields(), CheckFields({"Name"}), Press(ID_WIZNEXT),
          SetBox(IDC_QWIZ_SUBMIT, false), SetBox(IDC_QWIZ_RESET, false), Press(ID_WIZFINISH)},
         "// Query 31\r\n<<query :31, cat=???"
         ">>\r\n\r\n"
         "\tName:  <input type=\"text\" name=\"Name\" value=\"\" size=\"30\" maxlength=\"30\"> "
         "<br>\r\n<</query>>\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run(c.steps), c.text);
    }
}

TEST_F(QueryWizardTest, ClearingAButtonBoxDisablesItsCaption) {
    Run({ChooseQuery("Query 41"), ChooseMode(1), Press(ID_WIZNEXT), Press(ID_WIZNEXT),
         SetBox(IDC_QWIZ_SUBMIT, false),
         [](wxDialog& sheet) {
             EXPECT_FALSE(Shown<wxTextCtrl>(sheet, IDC_QWIZ_SUBMIT_CAPTION)->IsEnabled());
             EXPECT_TRUE(Shown<wxTextCtrl>(sheet, IDC_QWIZ_RESET_CAPTION)->IsEnabled());
         },
         Press(IDCANCEL)});
}

} // namespace
