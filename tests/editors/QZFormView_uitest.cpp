// The form view base in a page editor on the fixture site: the shared title edit, a refused
// exchange that says why and puts the focus back, and a closing view that keeps its edits.

#include "editors/QZFormView.h"
#include "platform/ui/CCreateContext.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/window.h>

namespace {

constexpr UINT kTestForm = 9140;
constexpr int kNote = 1500;

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
const DialogItemTemplate g_items[] = {
    {1042, "Static", "", WS_CHILD | WS_VISIBLE, 7, 7, 100, 8},
    {1034, "Edit", "", kEdit, 7, 20, 150, 12},
    {kNote, "Edit", "", kEdit, 7, 36, 150, 12},
};
const DialogTemplate g_form{
    kTestForm, DS_SETFONT | WS_CHILD, "", "MS Sans Serif", 8, 0, 0, 200, 60, g_items, 3};

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
