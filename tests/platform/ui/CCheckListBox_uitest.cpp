// The painted check list and the lists of several selected lines on a real display: the check
// list paints each line's check box itself and hands the rest of the line to DrawItem, at the
// height MeasureItem settles; a click on a check box or the space bar turns its check over;
// a multiple-selection list box selects, clears and deletes lines.

#include "platform/ui/CCheckListBox.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/listbox.h>
#include <wx/vlbox.h>

#include <set>

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER;
const DialogItemTemplate kItems[] = {
    {801, "ListBox", "", kChild | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 7, 5, 120, 80},
    {802, "ListBox", "", kChild | LBS_EXTENDEDSEL, 135, 5, 60, 80},
};
const DialogTemplate kDialog{7302,     WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME,
                             "Checks", "",
                             8,        0,
                             0,        200,
                             90,       kItems,
                             2};

// Notes what it was asked to paint, with lines 30 pixels high.
class NotingCheckList : public CCheckListBox {
public:
    void DrawItem(LPDRAWITEMSTRUCT draw) override {
        drawn.insert(static_cast<int>(draw->itemID));
        left = draw->rcItem.left;
        height = draw->rcItem.bottom - draw->rcItem.top;
        data = draw->itemData;
        EXPECT_NE(draw->hDC, nullptr);
    }
    void MeasureItem(LPMEASUREITEMSTRUCT measure) override {
        EXPECT_GT(measure->itemHeight, 0u);
        measure->itemHeight = 30;
    }
    std::set<int> drawn;
    LONG left = -1;
    LONG height = 0;
    uintptr_t data = 0;
};

class CheckDialog : public CDialog {
public:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        checks.SubclassDlgItem(801, this);
        lines.SubclassDlgItem(802, this);
        return TRUE;
    }
    NotingCheckList checks;
    CListBox lines;
};

class CheckListTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogTemplates::Register(kDialog.id, &kDialog);
        ASSERT_TRUE(dialog.Create(kDialog.id));
    }
    void TearDown() override { dialog.DestroyWindow(); }
    wxVListBox* Window() { return dynamic_cast<wxVListBox*>(dialog.checks.GetSafeHwnd()); }

    CheckDialog dialog;
};

TEST_F(CheckListTest, LinesKeepTextChecksAndDataAndArePaintedRightOfTheirBoxes) {
    CCheckListBox& list = dialog.checks;
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(list.AddString("First"), 0);
    EXPECT_EQ(list.AddString("Second"), 1);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetCheck(0), 0);
    list.SetCheck(1, 1);
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetCheck(5), -1);
    EXPECT_EQ(list.SetItemData(1, 44), 0);
    EXPECT_EQ(list.GetItemData(1), 44u);
    CString text;
    EXPECT_EQ(list.GetText(1, text), 6);
    EXPECT_EQ(text, "Second");

    Window()->Refresh();
    Window()->Update();
    SettleWindows();
    EXPECT_EQ(dialog.checks.drawn, (std::set<int>{0, 1}));
    EXPECT_GT(dialog.checks.left, 0);
    EXPECT_EQ(dialog.checks.height, 30);
    EXPECT_EQ(Window()->GetItemRect(0).height, 30);

    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(CheckListTest, AClickOnTheBoxOrTheSpaceBarTurnsTheCheckOver) {
    CCheckListBox& list = dialog.checks;
    list.AddString("One");
    list.AddString("Two");
    const wxRect row = Window()->GetItemRect(1);
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    click.SetPosition(wxPoint(row.x + 4, row.y + row.height / 2));
    click.SetEventObject(Window());
    Window()->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(list.GetCheck(1), 1);
    EXPECT_EQ(list.GetCheck(0), 0);
    // A click on the text selects the line but leaves its check.
    click.SetPosition(wxPoint(row.x + 80, row.y + row.height / 2));
    Window()->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(list.GetCheck(1), 1);
    list.SetCurSel(1);
    wxKeyEvent space(wxEVT_CHAR);
    space.m_keyCode = WXK_SPACE;
    space.SetEventObject(Window());
    Window()->GetEventHandler()->ProcessEvent(space);
    EXPECT_EQ(list.GetCheck(1), 0);
}

TEST_F(CheckListTest, AListOfSeveralSelectedLinesSelectsClearsAndDeletes) {
    CListBox& list = dialog.lines;
    for (const char* text : {"a", "b", "c", "d"})
        list.AddString(text);
    EXPECT_EQ(list.SetSel(-1, TRUE), 0);
    EXPECT_EQ(list.GetSelCount(), 4);
    list.SetSel(1, FALSE);
    EXPECT_EQ(list.GetSel(1), 0);
    EXPECT_EQ(list.GetSel(2), 1);
    EXPECT_EQ(list.GetSel(9), LB_ERR);
    EXPECT_EQ(list.DeleteString(0), 3);
    EXPECT_EQ(list.DeleteString(7), LB_ERR);
    CString text;
    list.GetText(0, text);
    EXPECT_EQ(text, "b");
    EXPECT_EQ(list.GetSelCount(), 2);
}

} // namespace
