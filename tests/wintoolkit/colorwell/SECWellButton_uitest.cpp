#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/platform/ui/ColourDialogAnswer.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/wintoolkit/colorwell/ScreenPixels.h"
#include "wintoolkit/colorwell/SECWellButton.h"

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// The Editor page of the preferences, from the resources, writing down the colours its wells
// send it.
class EditorPage : public CDialog {
public:
    std::vector<std::pair<WPARAM, COLORREF>> chosen;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == SEC_WM_COLORCHOSEN)
            chosen.emplace_back(wParam, static_cast<COLORREF>(lParam));
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

// A window of the page that writes down where it was clicked.
class ClickTarget : public CWnd {
public:
    std::vector<CPoint> clicks;

protected:
    void OnLButtonDown(UINT, CPoint point) override { clicks.push_back(point); }
};

class SECWellButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        ASSERT_TRUE(page.Create(IDD_PREF_EDITOR));
        page.ShowWindow(SW_SHOW);
        ASSERT_TRUE(well.AttachToDlgItem(IDC_PREF_TEXTCOLOR, &page));
        well.SetColor(RGB(255, 0, 0));
        ASSERT_TRUE(target.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(200, 10, 260, 40),
                                    &page, 4242));
        SettleWindows();
    }
    void TearDown() override {
        page.DestroyWindow();
        SettleWindows();
    }

    void Click() {
        well.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        well.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        SettleWindows();
    }
    SECPopupColorWell& Popup() { return *well.GetPopup(); }
    // A click of the real mouse on the pop-up, which holds the mouse: at a screen point.
    void ClickScreen(CPoint screen) {
        CPoint local(screen);
        Popup().ScreenToClient(&local);
        wxMouseEvent event(wxEVT_LEFT_DOWN);
        event.SetPosition(wxPoint(local.x, local.y));
        event.SetLeftDown(true);
        wxWindow* window = Popup().GetSafeHwnd();
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
        SettleWindows();
    }
    CPoint CellCentre(int col, int row) {
        CPoint centre = Popup().GetCellRect(col, row).CenterPoint();
        Popup().ClientToScreen(&centre);
        return centre;
    }

    EditorPage page;
    SECWellButton well;
    ClickTarget target;
};

} // namespace

TEST_F(SECWellButtonTest, ClickingDropsTheWellBelowTheButton) {
    Click();
    ASSERT_TRUE(Popup().IsDropped());
    CRect button, popup;
    well.GetWindowRect(&button);
    Popup().GetWindowRect(&popup);
    EXPECT_EQ(popup.left, button.left);
    EXPECT_EQ(popup.top, button.bottom);
    EXPECT_EQ(Popup().GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(CWnd::GetCapture(), &Popup());
    // Clicking the button again neither closes nor drops it anew.
    ClickScreen(button.CenterPoint());
    EXPECT_TRUE(Popup().IsDropped());
}

TEST_F(SECWellButtonTest, NearTheScreensBottomItOpensAbove) {
    CRect where;
    page.GetWindowRect(&where);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    page.MoveWindow(where.left, screenHeight - where.Height(), where.Width(), where.Height());
    SettleWindows();
    Click();
    ASSERT_TRUE(Popup().IsDropped());
    CRect button, popup;
    well.GetWindowRect(&button);
    Popup().GetWindowRect(&popup);
    EXPECT_EQ(popup.bottom, button.top);
    EXPECT_EQ(popup.left, button.left);
}

TEST_F(SECWellButtonTest, EscapeClosesItSendingNothing) {
    Click();
    ASSERT_TRUE(Popup().IsDropped());
    Popup().SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    SettleWindows();
    EXPECT_FALSE(Popup().IsDropped());
    EXPECT_TRUE(page.chosen.empty());
    EXPECT_EQ(well.GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(SECWellButtonTest, ACellClickSendsItsColourToTheParent) {
    Click();
    ClickScreen(CellCentre(0, 4)); // entry 16: blue
    EXPECT_FALSE(Popup().IsDropped());
    ASSERT_EQ(page.chosen.size(), 1u);
    EXPECT_EQ(page.chosen[0].first, IDC_PREF_TEXTCOLOR);
    EXPECT_EQ(page.chosen[0].second, RGB(0, 0, 255));
    EXPECT_EQ(well.GetColor(), RGB(0, 0, 255));
}

TEST_F(SECWellButtonTest, TheArrowsAndEnterChooseByKey) {
    Click();
    Popup().SendMessage(WM_KEYDOWN, VK_RIGHT, 0); // from (1, 3) to (2, 3): green
    Popup().SendMessage(WM_KEYDOWN, VK_DOWN, 0);  // to (2, 4): cyan
    EXPECT_TRUE(page.chosen.empty());
    Popup().SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    SettleWindows();
    ASSERT_EQ(page.chosen.size(), 1u);
    EXPECT_EQ(page.chosen[0].second, RGB(0, 255, 255));
}

TEST_F(SECWellButtonTest, AClickOutsideClosesItAndReachesTheWindowThere) {
    Click();
    CPoint screen(15, 12);
    target.ClientToScreen(&screen);
    ClickScreen(screen);
    EXPECT_FALSE(Popup().IsDropped());
    EXPECT_TRUE(page.chosen.empty());
    ASSERT_EQ(target.clicks.size(), 1u);
    EXPECT_EQ(target.clicks[0], CPoint(15, 12)); // in the target's own coordinates
}

TEST_F(SECWellButtonTest, OtherOpensTheColourDialog) {
    ColourDialogAnswer answer(wxID_OK, wxColour(12, 34, 56));
    Click();
    CRect other;
    CWnd* button = Popup().GetDlgItem(SEC_ID_OTHERCOLOR);
    ASSERT_NE(button, nullptr);
    CString text;
    button->GetWindowText(text);
    EXPECT_EQ(text, "&Other...");
    button->GetWindowRect(&other);
    ClickScreen(other.CenterPoint());
    EXPECT_FALSE(Popup().IsDropped());
    SettleWindows();
    EXPECT_EQ(answer.opened, 1);
    EXPECT_EQ(answer.shownColour, wxColour(255, 0, 0));
    ASSERT_EQ(page.chosen.size(), 1u);
    EXPECT_EQ(page.chosen[0].second, RGB(12, 34, 56));
    EXPECT_EQ(well.GetColor(), RGB(12, 34, 56));

    // Dropped again, the colour has its custom cell and the button made room for it.
    Click();
    EXPECT_TRUE(Popup().IsCustomColorSet());
    EXPECT_EQ(Popup().GetSelectedRow(), 5);
    CRect narrowed;
    Popup().GetDlgItem(SEC_ID_OTHERCOLOR)->GetWindowRect(&narrowed);
    EXPECT_LT(narrowed.Width(), other.Width());
}

TEST_F(SECWellButtonTest, TheCellsShowTheirColoursOnTheScreen) {
    well.SetColor(RGB(1, 2, 3));
    Click();
    ASSERT_TRUE(Popup().IsDropped());
    for (int i = 0; i < 20; ++i) {
        Popup().Invalidate();
        Popup().UpdateWindow();
        SettleWindows();
    }
    const ScreenPixels screen;
    ASSERT_TRUE(screen.Ok()) << "ImageMagick's import could not take the screen";
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(screen.At(CellCentre(col, row)), SECColorWell::kDefaultColors[row * 4 + col])
                << "cell " << col << "," << row;
    }
    EXPECT_EQ(screen.At(CellCentre(3, 5)), RGB(1, 2, 3)); // the custom cell
    // The selection's frame: black, white, black round the custom cell.
    const CRect custom = Popup().GetCellRect(3, 5);
    CPoint frame(custom.left - 1, custom.top + 5);
    Popup().ClientToScreen(&frame);
    EXPECT_EQ(screen.At(frame), RGB(0, 0, 0));
    EXPECT_EQ(screen.At(frame + CSize(1, 0)), RGB(255, 255, 255));
    if (const char* folder = std::getenv("MQ_SCREENSHOT_DIR"))
        ScreenPixels::SavePng(std::string(folder) + "/colour-well.png");
}

TEST_F(SECWellButtonTest, AWellInTheDialogSendsItsIdAndMakesRoomForTheCustomCell) {
    SECColorWell grid;
    ASSERT_TRUE(grid.Create(WS_VISIBLE | WS_TABSTOP, 130, 50, &page, 4343, TRUE, TRUE));
    SettleWindows();
    EXPECT_EQ(grid.SendMessage(WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS);
    const CPoint cell = grid.GetCellRect(2, 0).CenterPoint(); // entry 2: green
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.x, cell.y));
    ASSERT_EQ(page.chosen.size(), 1u);
    EXPECT_EQ(page.chosen[0], std::make_pair(WPARAM{4343}, RGB(0, 128, 0)));

    CWnd* other = grid.GetDlgItem(SEC_ID_OTHERCOLOR);
    ASSERT_NE(other, nullptr);
    CRect before, after;
    other->GetWindowRect(&before);
    grid.SetColor(RGB(9, 8, 7));
    other->GetWindowRect(&after);
    EXPECT_EQ(after.Width(), before.Width() - grid.GetCellRect(0, 0).Width() - 2);
    EXPECT_EQ(grid.GetColor(), RGB(9, 8, 7));
    // Tab goes to the button, and from the button on to the dialog's next control.
    grid.SendMessage(WM_KEYDOWN, VK_TAB, 0);
    SettleWindows();
    EXPECT_EQ(CWnd::GetFocus(), other);
}
