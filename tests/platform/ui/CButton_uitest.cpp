#include "platform/ui/CButton.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplates.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/frame.h>

#include <vector>

namespace {

// A button that writes down how it was asked to draw.
class DrawnButton : public CButton {
public:
    std::vector<UINT> states;
    void DrawItem(LPDRAWITEMSTRUCT item) override {
        states.push_back(item->itemState);
        rect = item->rcItem;
        ctlType = item->CtlType;
    }
    CRect rect;
    UINT ctlType = 0;
};

// The window that gets the buttons' notifications.
class Parent : public CDialog {
public:
    std::vector<WPARAM> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.push_back(wParam);
        return CDialog::OnCommand(wParam, lParam);
    }
};

const DialogItemTemplate kItems[] = {
    {801, "Button", "First", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 7, 5, 50, 14},
    {802, "Button", "Colour", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 7, 25, 50, 14},
    {803, "Button", "Last", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 7, 45, 50, 14},
};
const DialogTemplate kDialog{
    8801, WS_POPUP | WS_VISIBLE | WS_CAPTION, "Buttons", "", 8, 0, 0, 100, 70, kItems, 3};

class CButtonTest : public ::testing::Test {
protected:
    CButtonTest() {
        DialogTemplates::Register(kDialog.id, &kDialog);
        EXPECT_TRUE(dialog.Create(kDialog.id));
    }
    ~CButtonTest() override {
        dialog.DestroyWindow();
        SettleWindows();
        DialogTemplates::Register(kDialog.id, nullptr);
    }

    Parent dialog;
};

} // namespace

TEST_F(CButtonTest, AnOwnerDrawnButtonTakesTheDialogButtonsPlace) {
    CWnd* old = dialog.GetDlgItem(802);
    ASSERT_NE(old, nullptr);
    CRect before;
    old->GetWindowRect(&before);
    DrawnButton button;
    ASSERT_TRUE(button.ReplaceDlgItem(802, &dialog, BS_OWNERDRAW));
    EXPECT_EQ(dialog.GetDlgItem(802), &button);
    CRect after;
    button.GetWindowRect(&after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(dialog.GetNextDlgTabItem(dialog.GetDlgItem(801)), &button);
    EXPECT_EQ(dialog.GetNextDlgTabItem(&button), dialog.GetDlgItem(803));
    CString text;
    button.GetWindowText(text);
    EXPECT_EQ(text, "Colour");
    EXPECT_EQ(button.GetButtonStyle() & BS_TYPEMASK, BS_OWNERDRAW);

    SettleWindows();
    button.Invalidate();
    button.UpdateWindow();
    ASSERT_FALSE(button.states.empty());
    EXPECT_EQ(button.ctlType, ODT_BUTTON);
    EXPECT_EQ(button.rect, CRect(0, 0, after.Width(), after.Height()));
}

TEST_F(CButtonTest, PushingAndClickingLikeAnyButton) {
    DrawnButton button;
    ASSERT_TRUE(button.ReplaceDlgItem(802, &dialog, BS_OWNERDRAW));
    SettleWindows();
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(button.GetState() & BST_PUSHED);
    EXPECT_EQ(CWnd::GetCapture(), &button);
    button.states.clear();
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(4, 4));
    button.Invalidate();
    button.UpdateWindow();
    ASSERT_FALSE(button.states.empty());
    EXPECT_TRUE(button.states.back() & ODS_SELECTED);
    // Dragged out it lets go; back in it is pushed again; released inside it clicks.
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, 3));
    EXPECT_FALSE(button.GetState() & BST_PUSHED);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 3));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(button.GetState() & BST_PUSHED);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(dialog.commands, (std::vector<WPARAM>{MAKEWPARAM(802, BN_CLICKED)}));
    // Released outside: no click.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(500, 3));
    EXPECT_EQ(dialog.commands.size(), 1u);
    // The space bar clicks when it comes up.
    button.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(button.GetState() & BST_PUSHED);
    button.SendMessage(WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(dialog.commands.size(), 2u);
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
}

TEST_F(CButtonTest, PlainButtonsNotifyTheirDialog) {
    CWnd* first = dialog.GetDlgItem(801);
    ASSERT_NE(first, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, 801);
    click.SetEventObject(first->GetSafeHwnd());
    first->GetSafeHwnd()->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(dialog.commands, (std::vector<WPARAM>{MAKEWPARAM(801, BN_CLICKED)}));
}
