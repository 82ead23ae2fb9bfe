// The attribute forms of pages, macros, forms and scripts in real editor windows on a site
// database with two sites: each field loaded from its column, changed in its control, marking
// the document and saved; the page's trimmed file name, its title of up to 100 characters, its
// limits, and the lists refilled for another site; the script's typed language. Also the
// command bars the text views show, and a macro previewed without saving.

#include "content/QZVantrelTemplate.h"
#include "editors/CChildFormFrame.h"
#include "editors/QZAttributeView.h"
#include "editors/QZEditView.h"
#include "editors/QZScriptsAttributeView.h"
#include "editors/QZTemplateAttributeView.h"
#include "platform/ui/BarStyles.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"
#include "res/TextEditorIds.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestHelpers.h"
#include "wintoolkit/toolbar/SECToolBar.h"

#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The entries of a list control.
std::vector<std::string> Entries(CWnd* control) {
    std::vector<std::string> entries;
    auto* combo = control ? dynamic_cast<wxComboBox*>(control->GetSafeHwnd()) : nullptr;
    for (unsigned i = 0; combo && i < combo->GetCount(); ++i)
        entries.push_back(combo->GetString(i).utf8_string());
    return entries;
}

// An edit's text, a combo box's field or selected entry.
std::string ControlText(CWnd* control) {
    if (auto* combo = control ? dynamic_cast<wxComboBox*>(control->GetSafeHwnd()) : nullptr) {
        return combo->HasFlag(wxCB_READONLY) ? combo->GetStringSelection().utf8_string()
                                             : combo->GetValue().utf8_string();
    }
    CString text;
    if (control)
        control->GetWindowText(text);
    return text.str();
}

// The user picks an entry of a drop-down list.
void Pick(CWnd* control, const std::string& entry) {
    auto* combo = control ? dynamic_cast<wxComboBox*>(control->GetSafeHwnd()) : nullptr;
    ASSERT_NE(combo, nullptr);
    const int index = combo->FindString(wxString::FromUTF8(entry), true);
    ASSERT_GE(index, 0) << entry;
    combo->SetSelection(index);
    wxCommandEvent event(wxEVT_COMBOBOX, combo->GetId());
    event.SetEventObject(combo);
    event.SetInt(index);
    combo->GetEventHandler()->ProcessEvent(event);
}

// The user types a combo box's field over.
void TypeInCombo(CWnd* control, const char* text) {
    auto* combo = control ? dynamic_cast<wxComboBox*>(control->GetSafeHwnd()) : nullptr;
    ASSERT_NE(combo, nullptr);
    combo->SetValue(text);
}

// The user types at the end of an edit field.
void TypeAtEnd(CWnd* control, const std::string& text) {
    auto* field = control ? dynamic_cast<wxTextCtrl*>(control->GetSafeHwnd()) : nullptr;
    ASSERT_NE(field, nullptr);
    field->SetInsertionPointEnd();
    field->WriteText(wxString::FromUTF8(text));
}

} // namespace

class AttributeViewsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        Insert("Services", "DbID, ServiceID, Name, Directory, Deleted", "5, 10, 'Main', 'main', 0");
        Insert("Services", "DbID, ServiceID, Name, Directory, Deleted",
               "5, 11, 'Other', 'other', 0");
        const std::string section = "DbID, SectionID, SectionName, SectionTitle, Directory, "
                                    "ServiceDbID, ServiceID, Deleted";
        Insert("Sections", section, "5, 20, 'News', 'News', 'news', 5, 10, 0");
        Insert("Sections", section, "5, 22, 'Blog', 'Blog', 'blog', 5, 10, 0");
        Insert("Sections", section, "5, 21, 'Archive', 'Archive', 'archive', 5, 11, 0");
        const std::string style = "DbID, StyleID, StyleName, ServiceDbID, ServiceID, Deleted";
        Insert("Styles", style, "5, 30, 'Plain', 5, 10, 0");
        Insert("Styles", style, "5, 32, 'Bold', 5, 10, 0");
        Insert("Styles", style, "5, 31, 'Fancy', 5, 11, 0");
    }

    // Page 5:12 "Home" in site Main, section News, style Plain.
    void AddPage(const std::string& fileName = "home.html") {
        AddKindRow(Page(), 12, "Home",
                   "ServiceDbID, ServiceID, SectionDbID, SectionID, StyleDbID, StyleID, FileName, "
                   "Directory, Keywords",
                   "5, 10, 5, 20, 5, 30, '" + fileName + "', 'docs', 'alpha, beta'");
    }

    static const EditorKind& Page() { return EditorKinds()[0]; }

    template <class View> View* Properties() { return dynamic_cast<View*>(TabView("Properties")); }
};

// ---- Page attributes ----

TEST_F(AttributeViewsTest, ThePagesAttributesShowItsRow) {
    AddPage();
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    auto* view = Properties<QZAttributeView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_ATTR_KEY)), ":12");
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_ATTR_TITLE)), "Home");
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_PAGE_FILENAME)), "home.html");
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_PAGE_DIRECTORY)), "docs");
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_PAGE_KEYWORDS)), "alpha, beta");
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_PAGE_RELATIVE_PATH)), "main/news");
    EXPECT_EQ(Entries(view->GetDlgItem(IDC_ATTR_SITE)),
              (std::vector<std::string>{"Main", "Other"}));
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_ATTR_SITE)), "Main");
    EXPECT_EQ(Entries(view->GetDlgItem(IDC_ATTR_SECTION)),
              (std::vector<std::string>{"Blog", "News"}));
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_ATTR_SECTION)), "News");
    EXPECT_EQ(Entries(view->GetDlgItem(IDC_PAGE_STYLE)),
              (std::vector<std::string>{"Bold", "Plain"}));
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_PAGE_STYLE)), "Plain");
    EXPECT_FALSE(ActiveDocument()->IsModified());
    // Storing an untouched form changes nothing.
    EXPECT_TRUE(view->SaveToObject());
    EXPECT_FALSE(ActiveDocument()->IsModified());
}

namespace {

struct FieldCase {
    const char* label;
    std::function<void(CWnd&)> change; // what the user does in the form
    const char* column;                // where it is stored
    std::string stored;
    bool number = false;
};

} // namespace

TEST_F(AttributeViewsTest, EachChangedPageFieldMarksTheDocumentAndIsSaved) {
    const std::vector<FieldCase> cases{
        {"title", [](CWnd& v) { v.GetDlgItem(IDC_ATTR_TITLE)->SetWindowText("Welcome"); }, "Title",
         "Welcome"},
        {"file name, trimmed",
         [](CWnd& v) { v.GetDlgItem(IDC_PAGE_FILENAME)->SetWindowText("  index.html \t"); },
         "FileName", "index.html"},
        {"directory", [](CWnd& v) { v.GetDlgItem(IDC_PAGE_DIRECTORY)->SetWindowText("pages"); },
         "Directory", "pages"},
        {"keywords", [](CWnd& v) { v.GetDlgItem(IDC_PAGE_KEYWORDS)->SetWindowText("one\r\ntwo"); },
         "Keywords", "one\r\ntwo"},
        {"style", [](CWnd& v) { Pick(v.GetDlgItem(IDC_PAGE_STYLE), "Bold"); }, "StyleID", "32",
         true},
        {"section", [](CWnd& v) { Pick(v.GetDlgItem(IDC_ATTR_SECTION), "Blog"); }, "SectionID",
         "22", true},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.label);
        AddPage();
        ASSERT_TRUE(Open(OBJ_PAGE, 12));
        auto* view = Properties<QZAttributeView>();
        ASSERT_NE(view, nullptr);
        c.change(*view);
        EXPECT_TRUE(view->SaveToObject());
        EXPECT_TRUE(ActiveDocument()->IsModified());
        ActiveDocument()->SaveObject();
        EXPECT_EQ(c.number ? std::to_string(NumberOf(Page(), 12, c.column))
                           : Column(Page(), 12, c.column),
                  c.stored);
        EXPECT_FALSE(ActiveDocument()->IsModified());
        CloseAll();
        ExecuteOn(m_path, "DELETE FROM Documents");
    }
}

TEST_F(AttributeViewsTest, AFileNameIsShownTrimmedAfterSaving) {
    AddPage();
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    auto* view = Properties<QZAttributeView>();
    ASSERT_NE(view, nullptr);
    view->GetDlgItem(IDC_PAGE_FILENAME)->SetWindowText(" a.html ");
    EXPECT_TRUE(view->SaveToObject());
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_PAGE_FILENAME)), "a.html");
}

TEST_F(AttributeViewsTest, ThePageTitleTakesAHundredCharacters) {
    AddPage();
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    auto* view = Properties<QZAttributeView>();
    ASSERT_NE(view, nullptr);
    CWnd* title = view->GetDlgItem(IDC_ATTR_TITLE);
    title->SetWindowText(std::string(98, 't').c_str());
    TypeAtEnd(title, "x");
    TypeAtEnd(title, "y");
    TypeAtEnd(title, "z");
    const std::string hundred = std::string(98, 't') + "xy";
    EXPECT_EQ(ControlText(title), hundred);
    // A refill of the form keeps the page's limit.
    view->LoadFromObject();
    title->SetWindowText(std::string(99, 't').c_str());
    TypeAtEnd(title, "x");
    TypeAtEnd(title, "y");
    EXPECT_EQ(ControlText(title), std::string(99, 't') + "x");
    title->SetWindowText(hundred.c_str());
    EXPECT_TRUE(view->SaveToObject());
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NameOf(Page(), 12), hundred);
}

TEST_F(AttributeViewsTest, AFieldOverItsLimitIsRefusedAndNothingIsStored) {
    const std::vector<std::pair<int, size_t>> limits{
        {IDC_PAGE_FILENAME, 30}, {IDC_PAGE_DIRECTORY, 30}, {IDC_PAGE_KEYWORDS, 255}};
    AddPage();
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    auto* view = Properties<QZAttributeView>();
    ASSERT_NE(view, nullptr);
    for (const auto& [id, limit] : limits) {
        SCOPED_TRACE(id);
        view->LoadFromObject();
        m_boxes.Clear();
        view->GetDlgItem(id)->SetWindowText(std::string(limit + 1, 'a').c_str());
        EXPECT_FALSE(view->SaveToObject());
        EXPECT_EQ(m_boxes.texts(),
                  std::vector<std::string>{"Please enter no more than " + std::to_string(limit) +
                                           " characters."});
        view->GetDlgItem(id)->SetWindowText(std::string(limit, 'a').c_str());
        EXPECT_TRUE(view->SaveToObject());
    }
    EXPECT_EQ(Column(Page(), 12, "FileName"), "home.html");
}

TEST_F(AttributeViewsTest, AnotherSiteRefillsTheSectionsAndTheStyles) {
    AddPage();
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    auto* view = Properties<QZAttributeView>();
    ASSERT_NE(view, nullptr);
    Pick(view->GetDlgItem(IDC_ATTR_SITE), "Other");
    EXPECT_EQ(Entries(view->GetDlgItem(IDC_ATTR_SECTION)), std::vector<std::string>{"Archive"});
    EXPECT_EQ(Entries(view->GetDlgItem(IDC_PAGE_STYLE)), std::vector<std::string>{"Fancy"});
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_PAGE_STYLE)), "Fancy");
    EXPECT_TRUE(view->SaveToObject());
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(Page(), 12, "ServiceID"), 11);
    EXPECT_EQ(NumberOf(Page(), 12, "SectionID"), 21);
    EXPECT_EQ(NumberOf(Page(), 12, "StyleID"), 31);
}

// ---- Macro, form and script attributes ----

TEST_F(AttributeViewsTest, MacrosAndFormsShowIdTitleAndSiteAndSaveTheirTitle) {
    for (SHORT type : {OBJ_MACRO, OBJ_FORM}) {
        SCOPED_TRACE(type);
        const EditorKind& kind = KindOf(type);
        AddKindRow(kind, 12, "Banner", "ServiceDbID, ServiceID", "5, 10");
        ASSERT_TRUE(Open(type, 12));
        auto* view = Properties<QZTemplateAttributeView>();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(ControlText(view->GetDlgItem(IDC_ATTR_KEY)), ":12");
        EXPECT_EQ(ControlText(view->GetDlgItem(IDC_ATTR_SITE)), "Main");
        EXPECT_EQ(view->GetDlgItem(IDC_ATTR_SECTION), nullptr);
        EXPECT_FALSE(ActiveDocument()->IsModified());
        view->GetDlgItem(IDC_ATTR_TITLE)->SetWindowText("Footer");
        Pick(view->GetDlgItem(IDC_ATTR_SITE), "Other");
        EXPECT_TRUE(view->SaveToObject());
        EXPECT_TRUE(ActiveDocument()->IsModified());
        ActiveDocument()->SaveObject();
        EXPECT_EQ(NameOf(kind, 12), "Footer");
        EXPECT_EQ(NumberOf(kind, 12, "ServiceID"), 11);
        CloseAll();
    }
}

TEST_F(AttributeViewsTest, TheScriptsLanguageAndTypeAreLoadedAndSavedAsTyped) {
    const EditorKind& script = KindOf(OBJ_SCRIPT);
    const std::vector<FieldCase> cases{
        {"a listed language", [](CWnd& v) { Pick(v.GetDlgItem(IDC_SCRIPT_LANGUAGE), "VBScript"); },
         "Language", "VBScript"},
        {"a language not in the list",
         [](CWnd& v) { TypeInCombo(v.GetDlgItem(IDC_SCRIPT_LANGUAGE), "PerlScript"); }, "Language",
         "PerlScript"},
        {"another case counts as a change",
         [](CWnd& v) { TypeInCombo(v.GetDlgItem(IDC_SCRIPT_LANGUAGE), "javascript"); }, "Language",
         "javascript"},
        {"type", [](CWnd& v) { v.GetDlgItem(IDC_SCRIPT_TYPE)->SetWindowText("text/vbs"); }, "Type",
         "text/vbs"},
    };
    LONG id = 12;
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.label);
        AddKindRow(script, ++id, "Menu",
                   "ServiceDbID, ServiceID, SectionDbID, SectionID, Language, Type",
                   "5, 10, 5, 20, 'JavaScript', 'text/javascript'");
        ASSERT_TRUE(Open(OBJ_SCRIPT, id));
        auto* view = Properties<QZScriptsAttributeView>();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(Entries(view->GetDlgItem(IDC_SCRIPT_LANGUAGE)),
                  (std::vector<std::string>{"JavaScript", "VBScript"}));
        EXPECT_EQ(ControlText(view->GetDlgItem(IDC_SCRIPT_LANGUAGE)), "JavaScript");
        EXPECT_EQ(ControlText(view->GetDlgItem(IDC_SCRIPT_TYPE)), "text/javascript");
        EXPECT_EQ(ControlText(view->GetDlgItem(IDC_ATTR_SECTION)), "News");
        EXPECT_TRUE(view->SaveToObject());
        EXPECT_FALSE(ActiveDocument()->IsModified());
        c.change(*view);
        EXPECT_TRUE(view->SaveToObject());
        EXPECT_TRUE(ActiveDocument()->IsModified());
        ActiveDocument()->SaveObject();
        EXPECT_EQ(Column(script, id, c.column), c.stored);
        CloseAll();
    }
}

// ---- Command bars and preview ----

class CommandBarsTest : public AttributeViewsTest {
protected:
    void SetUp() override {
        AttributeViewsTest::SetUp();
        for (auto [bar, id, title] : {std::tuple(&m_formBar, 0xE810u, "Form Controls"),
                                      std::tuple(&m_actionBar, 0xE811u, "Actions")}) {
            ASSERT_TRUE(bar->Create(&m_book, WS_CHILD | CBRS_TOP, id));
            bar->SetWindowText(title);
        }
    }
    void TearDown() override {
        CloseAll();
        for (SECToolBar* bar : {&m_formBar, &m_actionBar}) {
            if (bar->GetSafeHwnd())
                bar->DestroyWindow();
        }
        AttributeViewsTest::TearDown();
    }

    static bool Showing(CWnd& bar) { return (bar.GetStyle() & WS_VISIBLE) != 0; }

    SECToolBar m_formBar;
    SECToolBar m_actionBar;
};

TEST_F(CommandBarsTest, AScriptShowsTheActionsBarAndLeavingItLeavesTheBar) {
    AddKindRow(KindOf(OBJ_SCRIPT), 12, "Menu");
    ASSERT_FALSE(Showing(m_actionBar));
    ASSERT_TRUE(Open(OBJ_SCRIPT, 12));
    SettleWindows();
    EXPECT_TRUE(Showing(m_actionBar));
    ChooseTab("Properties");
    EXPECT_TRUE(Showing(m_actionBar));
    EXPECT_FALSE(Showing(m_formBar));
}

TEST_F(CommandBarsTest, TheFormTabShowsAndHidesTheFormControlsBar) {
    AddKindRow(KindOf(OBJ_FORM), 12, "Order");
    ASSERT_TRUE(Open(OBJ_FORM, 12));
    SettleWindows();
    EXPECT_TRUE(Showing(m_formBar));
    ChooseTab("Action");
    EXPECT_FALSE(Showing(m_formBar));
    EXPECT_TRUE(Showing(m_actionBar));
    ChooseTab("Form");
    EXPECT_TRUE(Showing(m_formBar));
    ChooseTab("Properties");
    EXPECT_FALSE(Showing(m_formBar));
}

TEST_F(CommandBarsTest, AFormControlsBarShowingWhenTheFormOpenedStays) {
    m_book.ShowControlBar(&m_formBar, TRUE, FALSE);
    AddKindRow(KindOf(OBJ_FORM), 12, "Order");
    ASSERT_TRUE(Open(OBJ_FORM, 12));
    SettleWindows();
    ASSERT_TRUE(dynamic_cast<CChildFormFrame*>(ActiveFrame())->m_bFormBarWasVisible);
    for (const char* tab : {"Action", "Form", "Properties"}) {
        ChooseTab(tab);
        EXPECT_TRUE(Showing(m_formBar)) << tab;
    }
}

TEST_F(AttributeViewsTest, PreviewingAMacroStoresItsTextWithoutSaving) {
    const EditorKind& macro = KindOf(OBJ_MACRO);
    AddKindRow(macro, 12, "Banner", "ScriptBody", "'<b>banner</b>'");
    ASSERT_TRUE(Open(OBJ_MACRO, 12));
    SettleWindows();
    auto* view = dynamic_cast<QZEditView*>(TabView("Macro"));
    ASSERT_NE(view, nullptr);
    view->LoadFromObject();
    view->GetEditCtrl().SetSel(0, 0);
    view->GetLogic().GetControl().TypeText("X");
    EXPECT_TRUE(ActiveDocument()->Preview());
    auto* object = dynamic_cast<QZVantrelTemplate*>(ActiveDocument()->GetContentObject());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetTemplateText().str(), "X<b>banner</b>");
    EXPECT_EQ(Column(macro, 12, "ScriptBody"), "<b>banner</b>");
    EXPECT_TRUE(ActiveDocument()->IsModified());
}

TEST_F(AttributeViewsTest, AnObjectWhoseSiteIsNotListedKeepsItsKeys) {
    AddKindRow(Page(), 12, "Lost", "ServiceDbID, ServiceID, SectionDbID, SectionID",
               "5, 99, 5, 98");
    ASSERT_TRUE(Open(OBJ_PAGE, 12));
    auto* view = Properties<QZAttributeView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ControlText(view->GetDlgItem(IDC_ATTR_SITE)), "");
    EXPECT_TRUE(view->SaveToObject());
    EXPECT_FALSE(ActiveDocument()->IsModified());
    view->GetDlgItem(IDC_ATTR_TITLE)->SetWindowText("Found");
    EXPECT_TRUE(view->SaveToObject());
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(Page(), 12, "ServiceID"), 99);
    EXPECT_EQ(NumberOf(Page(), 12, "SectionID"), 98);
    EXPECT_EQ(NameOf(Page(), 12), "Found");
}
