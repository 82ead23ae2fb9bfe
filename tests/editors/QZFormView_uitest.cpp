// The form view base in a page editor on the fixture site: the shared title edit, a refused
// exchange that says why and puts the focus back, and a closing view that keeps its edits.

#include "editors/QZFormView.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CCreateContext.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/textctrl.h>
#include <wx/window.h>

namespace {

constexpr UINT kTestForm = 9140;
constexpr int kNote = 1500;
constexpr int kButton = 1501;

// Whether the form's update handler enables the command.
class EnabledCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override { enabled = bOn; }
    BOOL enabled = TRUE;
};

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
const DialogItemTemplate g_items[] = {
    {1042, "Static", "", WS_CHILD | WS_VISIBLE, 7, 7, 100, 8},
    {1034, "Edit", "", kEdit, 7, 20, 150, 12},
    {kNote, "Edit", "", kEdit, 7, 36, 150, 12},
    {kButton, "Button", "Go", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 160, 36, 30, 12},
};
const DialogTemplate g_form{
    kTestForm, DS_SETFONT | WS_CHILD, "", "MS Sans Serif", 8, 0, 0, 200, 60, g_items, 4};

// A form with a note of at most five characters.
class NoteForm : public QZFormView {
    DECLARE_DYNCREATE(NoteForm)
public:
    NoteForm() : QZFormView(kTestForm) {}
    CString m_strNote;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        QZFormView::DoDataExchange(pDX);
        DDX_Text(pDX, kNote, m_strNote);
        DDV_MaxChars(pDX, m_strNote, 5);
    }
};
IMPLEMENT_DYNCREATE(NoteForm, QZFormView)

} // namespace

class QZFormViewTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        DialogTemplates::Register(kTestForm, &g_form);
        AddKindRow(EditorKinds()[0], 12, "Home");
        ASSERT_TRUE(Open(OBJ_PAGE, 12));
        QZChildFrame* frame = ActiveFrame();
        CCreateContext context;
        context.m_pCurrentDoc = ActiveDocument();
        ASSERT_TRUE(frame->m_wndTab.AddTab(RUNTIME_CLASS(NoteForm), "Note", &context, UINT(-1)));
        LPCTSTR label = nullptr;
        BOOL selected = FALSE;
        CWnd* view = nullptr;
        DWORD extra = 0;
        frame->m_wndTab.GetTabInfo(frame->m_wndTab.GetTabCount() - 1, label, selected, view, extra);
        m_form = dynamic_cast<NoteForm*>(view);
        ASSERT_NE(m_form, nullptr);
        m_form->OnInitialUpdate();
    }
    void TearDown() override {
        if (m_form) {
            if (m_form->GetSafeHwnd()) {
                ActiveFrame()->m_wndTab.RemoveTab(m_form);
                m_form->DestroyWindow();
            }
            delete m_form;
        }
        EditorTest::TearDown();
    }
    CWnd* Item(int id) { return m_form->GetDlgItem(id); }

    NoteForm* m_form = nullptr;
};

TEST_F(QZFormViewTest, TheTitleIsShownAndOnlyAChangedOneMarksTheDocument) {
    CString text;
    Item(1034)->GetWindowText(text);
    EXPECT_EQ(text, CString("Home"));
    Item(1042)->GetWindowText(text);
    EXPECT_EQ(text, CString(":12"));
    QZDocument* document = ActiveDocument();
    EXPECT_TRUE(m_form->SaveToObject());
    EXPECT_FALSE(document->IsModified());
    Item(1034)->SetWindowText("home");
    EXPECT_TRUE(m_form->SaveToObject());
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->GetContentObject()->GetName(), CString("home"));
}

TEST_F(QZFormViewTest, ARefusedExchangeSaysWhyPutsTheFocusBackAndChangesNothing) {
    Item(1034)->SetWindowText("Other");
    Item(kNote)->SetWindowText("six ch");
    m_boxes.Clear();
    EXPECT_FALSE(m_form->SaveToObject());
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Please enter no more than 5 characters."});
    EXPECT_EQ(wxWindow::FindFocus(), Item(kNote)->GetSafeHwnd());
    EXPECT_EQ(ActiveDocument()->GetContentObject()->GetName(), CString("Home"));
    EXPECT_FALSE(ActiveDocument()->IsModified());
    // Five characters of two bytes each are five characters.
    Item(kNote)->SetWindowText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
    EXPECT_TRUE(m_form->SaveToObject());
}

TEST_F(QZFormViewTest, AClosingFormViewKeepsItsEdits) {
    Item(1034)->SetWindowText("Typed");
    ActiveFrame()->m_wndTab.RemoveTab(m_form);
    m_form->DestroyWindow();
    EXPECT_EQ(ActiveDocument()->GetContentObject()->GetName(), CString("Typed"));
    EXPECT_TRUE(ActiveDocument()->IsModified());
}

TEST_F(QZFormViewTest, TheEditMenuActsOnTheFocusedEditOnly) {
    auto enabled = [this](UINT id) {
        EnabledCmdUI ui;
        ui.m_nID = id;
        EXPECT_TRUE(m_form->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr)) << id;
        return ui.enabled;
    };
    auto* note = dynamic_cast<wxTextCtrl*>(Item(kNote)->GetSafeHwnd());
    ASSERT_NE(note, nullptr);
    note->ChangeValue("abc");
    note->SetFocus();
    SettleWindows();
    if (wxWindow::FindFocus() != note)
        GTEST_SKIP() << "the display gives no focus to the test's window";

    // Nothing selected: no Copy or Cut.
    note->SetSelection(3, 3);
    EXPECT_FALSE(enabled(ID_EDIT_COPY));
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    // A selection is copied, then cut, and pasted back at the end.
    note->SetSelection(0, 2);
    EXPECT_TRUE(enabled(ID_EDIT_COPY));
    m_form->OnCmdMsg(ID_EDIT_COPY, CN_COMMAND, nullptr, nullptr);
    EXPECT_TRUE(enabled(ID_EDIT_PASTE));
    m_form->OnCmdMsg(ID_EDIT_CUT, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(note->GetValue(), "c");
    note->SetInsertionPointEnd();
    m_form->OnCmdMsg(ID_EDIT_PASTE, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(note->GetValue(), "cab");
    EXPECT_EQ(enabled(ID_EDIT_UNDO), note->CanUndo());

    // A read-only edit takes no Paste; a window that is no edit takes none of them.
    note->SetEditable(false);
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
    note->SetEditable(true);
    Item(kButton)->SetFocus();
    SettleWindows();
    for (UINT id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO})
        EXPECT_FALSE(enabled(id)) << id;
}
