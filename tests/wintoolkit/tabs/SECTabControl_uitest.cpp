#include "platform/ui/CFrameWnd.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/wintoolkit/colorwell/ScreenPixels.h"
#include "wintoolkit/tabs/SECTabControl.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <utility>
#include <vector>

namespace {

// The tab control's parent: keeps the notices it is sent.
class NoticeWnd : public CWnd {
public:
    std::vector<std::pair<UINT, WPARAM>> notices;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= TCM_TABSEL && message <= TCM_TABSELCLR)
            notices.emplace_back(message, wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class TabControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create(nullptr, "Tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(40, 40, 440, 240)));
        ASSERT_TRUE(
            parent.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200), &frame, 1));
        ASSERT_TRUE(
            tabs.Create(WS_VISIBLE | TWS_TABS_ALLBUTTONS, CRect(0, 100, 400, 118), &parent, 59952));
        for (const char* label : {"Text", "Header", "Attributes", "Status"})
            tabs.AddTab(label, nullptr);
        Pump();
    }
    void TearDown() override { frame.DestroyWindow(); }
    static void Pump() {
        for (int i = 0; i < 5; ++i) {
            wxYield();
            wxMilliSleep(10);
        }
    }
    CPoint TabPoint(int index) const {
        const CRect box = tabs.GetGeometry().TabBox(index);
        return CPoint(box.left + box.Width() / 2, box.top + 4);
    }
    void Click(CPoint point, UINT flags = 0) {
        const LPARAM at = MAKELPARAM(point.x, point.y);
        tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | flags, at);
        tabs.SendMessage(WM_LBUTTONUP, flags, at);
    }

    CFrameWnd frame;
    NoticeWnd parent;
    SECTabControl tabs;
};

TEST_F(TabControlTest, TabsOverlapAndFitWithEveryButtonDisabled) {
    const SECTabControlGeometry g = tabs.GetGeometry();
    ASSERT_EQ(g.widths.size(), 4u);
    EXPECT_EQ(g.TabLeft(1), g.TabLeft(0) + g.widths[0] - 5);
    EXPECT_EQ(tabs.GetScrollOffset(), 0);
    EXPECT_EQ(tabs.GetDisabledButtons(), 15u);
}

TEST_F(TabControlTest, PlainCtrlAndShiftClicksAndNotices) {
    Click(TabPoint(1));
    int current = -1;
    EXPECT_TRUE(tabs.GetActiveTab(current));
    EXPECT_EQ(current, 1);
    ASSERT_EQ(parent.notices.size(), 1u);
    EXPECT_EQ(parent.notices[0], std::make_pair(TCM_TABSEL, WPARAM(1)));
    // Clicking the current tab again does nothing.
    Click(TabPoint(1));
    EXPECT_EQ(parent.notices.size(), 1u);
    // Shift marks the range and makes the hit current.
    Click(TabPoint(3), MK_SHIFT);
    EXPECT_TRUE(tabs.GetActiveTab(current));
    EXPECT_EQ(current, 3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tabs.GetTab(i)->m_bSelected, i >= 1 ? TRUE : FALSE) << i;
    // Ctrl on the current tab unmarks it and leaves no current tab, with no notice.
    const size_t before = parent.notices.size();
    Click(TabPoint(3), MK_CONTROL);
    EXPECT_FALSE(tabs.GetActiveTab(current));
    EXPECT_FALSE(tabs.GetTab(3)->m_bSelected);
    EXPECT_EQ(parent.notices.size(), before);
    tabs.ClearSelection();
    EXPECT_EQ(parent.notices.back(), std::make_pair(TCM_TABSELCLR, WPARAM(0)));
    // A double click on the empty strip tells the parent with index 0.
    tabs.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(395, 5));
    EXPECT_EQ(parent.notices.back(), std::make_pair(TCM_TABDBLCLK, WPARAM(0)));
}

TEST_F(TabControlTest, DeletingKeepsTheCurrentTabCurrent) {
    tabs.ActivateTab(2);
    tabs.DeleteTab(0);
    int current = -1;
    EXPECT_TRUE(tabs.GetActiveTab(current));
    EXPECT_EQ(current, 1);
    EXPECT_TRUE(tabs.GetTab(1)->m_bSelected);
    EXPECT_STREQ(tabs.GetTab(1)->m_csLabel, "Attributes");
    // Deleting the current last tab makes the new last tab current.
    tabs.ActivateTab(2);
    parent.notices.clear();
    tabs.DeleteTab(2);
    EXPECT_TRUE(tabs.GetActiveTab(current));
    EXPECT_EQ(current, 1);
    EXPECT_EQ(parent.notices.back(), std::make_pair(TCM_TABSEL, WPARAM(1)));
    tabs.DeleteTab(0);
    tabs.DeleteTab(0);
    EXPECT_FALSE(tabs.GetActiveTab(current));
}

TEST_F(TabControlTest, NextButtonScrollsAndClampsWhenTabsOverflow) {
    for (int i = 0; i < 8; ++i)
        tabs.AddTab("Another tab", nullptr);
    tabs.SendMessage(WM_SIZE, 0, MAKELPARAM(400, 18));
    EXPECT_EQ(tabs.GetDisabledButtons(), SECTAB_BTN_FIRST | SECTAB_BTN_PREV);
    const CRect next = tabs.GetGeometry().ButtonRect(SECTAB_BTN_NEXT);
    Click(next.CenterPoint());
    EXPECT_EQ(tabs.GetScrollOffset(), -10);
    EXPECT_EQ(tabs.GetDisabledButtons(), 0u);
    Click(tabs.GetGeometry().ButtonRect(SECTAB_BTN_LAST).CenterPoint());
    const SECTabControlGeometry g = tabs.GetGeometry();
    EXPECT_EQ(g.TabBox(static_cast<int>(g.widths.size()) - 1).right, g.client.right);
    EXPECT_EQ(tabs.GetDisabledButtons(), SECTAB_BTN_NEXT | SECTAB_BTN_LAST);
}

TEST_F(TabControlTest, ScreenshotShowsTheCurrentTabInTheWindowColour) {
    tabs.ActivateTab(1);
    Pump();
    ScreenPixels screen;
    ASSERT_TRUE(screen.Ok());
    CRect box = tabs.GetGeometry().TabBox(1);
    tabs.ClientToScreen(&box);
    // Inside the current tab: the window colour; inside a plain one: the face colour.
    EXPECT_EQ(screen.At(CPoint(box.left + box.Width() / 2, box.top + 3)),
              GetSysColor(COLOR_WINDOW));
    CRect plain = tabs.GetGeometry().TabBox(3);
    tabs.ClientToScreen(&plain);
    EXPECT_EQ(screen.At(CPoint(plain.left + plain.Width() / 2, plain.top + 3)),
              GetSysColor(COLOR_BTNFACE));
    // The left edge of the current tab is its black outline.
    EXPECT_EQ(screen.At(CPoint(box.left, box.top + 1)), RGB(0, 0, 0));
    ScreenPixels::SavePng("/tmp/sectabcontrol.png");
}

} // namespace
