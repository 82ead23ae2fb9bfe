#include "platform/core/MessageBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CProgressCtrl.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/frame.h>
#include <wx/stattext.h>

namespace {

const DialogItemTemplate kItems[] = {
    {601, "Static", "Left text", WS_CHILD | WS_VISIBLE | SS_LEFT, 7, 5, 60, 8},
    {602, "static", "Right text", WS_CHILD | WS_VISIBLE | SS_RIGHT, 70, 5, 60, 8},
    {603, "msctls_progress32", "Progress1", WS_CHILD | WS_VISIBLE | WS_BORDER, 7, 20, 123, 12},
    {604, "Static", "Hidden", WS_CHILD | SS_LEFT, 7, 36, 60, 8},
};
const DialogTemplate kDialog{7201,
                             WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME,
                             "Template caption",
                             "MS Sans Serif",
                             8,
                             0,
                             0,
                             140,
                             50,
                             kItems,
                             4};
const DialogTemplate kHidden{7202, WS_POPUP | WS_CAPTION, "", "", 8, 0, 0, 40, 20, kItems, 1};

const DialogItemTemplate kUnknownClass[] = {
    {611, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 8},
    {612, "SysListView32", "", WS_CHILD | WS_VISIBLE, 0, 10, 10, 8},
};
const DialogItemTemplate kIconStatic[] = {{621, "Static", "", WS_CHILD | 0x0003, 0, 0, 10, 8}};
const DialogTemplate kBroken1{7203, WS_POPUP, "", "", 8, 0, 0, 40, 20, kUnknownClass, 2};
const DialogTemplate kBroken2{7204, WS_POPUP, "", "", 8, 0, 0, 40, 20, kIconStatic, 1};

// A dialog that counts its keys and binds the progress bar.
class TestDialog : public CDialog {
public:
    BOOL OnInitDialog() override {
        ++inits;
        barBoundAtInit = CDialog::OnInitDialog() && bar.GetSafeHwnd() != nullptr;
        return TRUE;
    }
    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }

    CProgressCtrl bar;
    int inits = 0, oks = 0, cancels = 0;
    bool barBoundAtInit = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 603, bar); }
};

class CDialogTest : public ::testing::Test {
protected:
    CDialogTest() {
        for (const DialogTemplate* t : {&kDialog, &kHidden, &kBroken1, &kBroken2})
            DialogTemplates::Register(t->id, t);
    }
    ~CDialogTest() override {
        for (const DialogTemplate* t : {&kDialog, &kHidden, &kBroken1, &kBroken2})
            DialogTemplates::Register(t->id, nullptr);
        SettleWindows();
    }
};

} // namespace

TEST_F(CDialogTest, ControlsStandAtTheirDialogUnitPlaces) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kDialog.id));
    wxWindow* window = dialog.GetSafeHwnd();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetClientSize(), window->ConvertDialogToPixels(wxSize(140, 50)));
    for (const DialogItemTemplate& item : kItems) {
        CWnd* control = dialog.GetDlgItem(static_cast<int>(item.id));
        ASSERT_NE(control, nullptr) << item.id;
        wxWindow* w = control->GetSafeHwnd();
        EXPECT_EQ(w->GetPosition(), window->ConvertDialogToPixels(wxPoint(item.x, item.y)));
        EXPECT_EQ(w->GetSize(), window->ConvertDialogToPixels(wxSize(item.cx, item.cy)));
    }
    // Dialog units follow the template's font size.
    EXPECT_EQ(window->GetFont().GetPointSize(), 8);
}

TEST_F(CDialogTest, ShowsTheTemplateTextsAndVisibility) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kDialog.id));
    CString text;
    dialog.GetWindowText(text);
    EXPECT_EQ(text, "Template caption");
    dialog.GetDlgItem(601)->GetWindowText(text);
    EXPECT_EQ(text, "Left text");
    const long alignments = wxALIGN_RIGHT | wxALIGN_CENTRE_HORIZONTAL;
    EXPECT_EQ(dialog.GetDlgItem(601)->GetSafeHwnd()->GetWindowStyle() & alignments, 0);
    EXPECT_TRUE(dialog.GetDlgItem(602)->GetSafeHwnd()->HasFlag(wxALIGN_RIGHT));
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.GetDlgItem(601)->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(604)->IsWindowVisible());

    CDialog hidden;
    ASSERT_TRUE(hidden.Create(kHidden.id));
    EXPECT_FALSE(hidden.IsWindowVisible());
}

TEST_F(CDialogTest, InitialisationBindsControlsBeforeTheDialogShows) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(kDialog.id));
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_TRUE(dialog.barBoundAtInit);
    EXPECT_EQ(dialog.GetDlgItem(603), &dialog.bar);
}

TEST_F(CDialogTest, TemplatesThatCannotBeBuiltLeaveNoWindow) {
    SettleWindows();
    const size_t before = LiveTopLevelWindows();
    for (UINT id : {7203u, 7204u, 7299u}) {
        CDialog dialog;
        EXPECT_FALSE(dialog.Create(id)) << id;
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << id;
    }
    EXPECT_EQ(LiveTopLevelWindows(), before);
}

TEST_F(CDialogTest, EnterEscapeAndClosingGoToTheDialogObject) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(kDialog.id));
    wxWindow* window = dialog.GetSafeHwnd();
    PressKey(window, WXK_RETURN);
    PressKey(window, WXK_NUMPAD_ENTER);
    PressKey(window, WXK_ESCAPE);
    PressKey(window, 'A');
    window->Close();
    EXPECT_EQ(dialog.cancels, 2);
    EXPECT_TRUE(dialog.IsWindowVisible());
}

TEST_F(CDialogTest, DefaultOkAndCancelHideAModelessDialog) {
    for (int key : {WXK_RETURN, WXK_ESCAPE}) {
        CDialog dialog;
        ASSERT_TRUE(dialog.Create(kDialog.id));
        PressKey(dialog.GetSafeHwnd(), key);
        EXPECT_FALSE(dialog.IsWindowVisible()) << key;
        EXPECT_NE(dialog.GetSafeHwnd(), nullptr) << key;
    }
}

TEST_F(CDialogTest, DestroyingLetsGoOfTheDialogAndItsControls) {
    SettleWindows();
    const size_t before = LiveTopLevelWindows();
    {
        TestDialog dialog;
        ASSERT_TRUE(dialog.Create(kDialog.id));
        EXPECT_EQ(LiveTopLevelWindows(), before + 1);
        EXPECT_TRUE(dialog.DestroyWindow());
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
        EXPECT_EQ(dialog.bar.GetSafeHwnd(), nullptr);
        EXPECT_EQ(LiveTopLevelWindows(), before);
    }
    {
        CDialog dialog;
        ASSERT_TRUE(dialog.Create(kDialog.id));
    }
    EXPECT_EQ(LiveTopLevelWindows(), before);
}

TEST_F(CDialogTest, DialogWithoutParentOpensOverItsGivenParent) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Owner");
    CWnd owner;
    owner.Attach(frame);
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kDialog.id, &owner));
    EXPECT_EQ(dialog.GetSafeHwnd()->GetParent(), frame);
    EXPECT_EQ(dialog.GetParent(), &owner);
}
