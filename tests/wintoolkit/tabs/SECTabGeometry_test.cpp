#include "wintoolkit/tabs/SECTabControlGeometry.h"
#include "wintoolkit/tabs/SECTabWndLayout.h"

#include <gtest/gtest.h>

namespace {

SECTabControlGeometry Strip(UINT mask, std::vector<int> widths, int right = 200) {
    SECTabControlGeometry g;
    g.client = CRect(0, 0, right, 17);
    g.buttonMask = mask;
    g.buttonWidth = g.buttonHeight = 17;
    g.widths = std::move(widths);
    return g;
}

TEST(SECTabControlGeometry, ButtonsSitLeftAndTabsOverlapByFive) {
    const auto g = Strip(SECTAB_BTN_PREV | SECTAB_BTN_NEXT, {50, 60, 40});
    EXPECT_EQ(g.ButtonRect(SECTAB_BTN_PREV), CRect(0, 0, 17, 17));
    EXPECT_EQ(g.ButtonRect(SECTAB_BTN_NEXT), CRect(17, 0, 34, 17));
    EXPECT_TRUE(g.ButtonRect(SECTAB_BTN_FIRST).IsRectEmpty());
    EXPECT_EQ(g.TabArea(), CRect(34, 0, 200, 17));
    EXPECT_EQ(g.ButtonArea(), CRect(0, 0, 35, 17));
    EXPECT_EQ(g.TabLeft(0), 34);
    EXPECT_EQ(g.TabLeft(1), 79);
    EXPECT_EQ(g.TabLeft(2), 134);
    const auto all = Strip(15, {50});
    EXPECT_EQ(all.ButtonRect(SECTAB_BTN_LAST), CRect(51, 0, 68, 17));
}

TEST(SECTabControlGeometry, HitTestsTrapezoidsAndButtons) {
    const auto g = Strip(SECTAB_BTN_PREV | SECTAB_BTN_NEXT, {50, 60});
    EXPECT_EQ(g.HitTab(CPoint(40, 2)), 0);
    EXPECT_EQ(g.HitTab(CPoint(82, 2)), 0); // the overlap belongs to the earlier tab
    EXPECT_EQ(g.HitTab(CPoint(100, 10)), 1);
    EXPECT_EQ(g.HitTab(CPoint(35, 15)), -1); // below the slanted edge
    EXPECT_EQ(g.HitTab(CPoint(180, 5)), -1);
    EXPECT_EQ(g.HitButton(CPoint(5, 5)), SECTAB_BTN_PREV);
    EXPECT_EQ(g.HitButton(CPoint(20, 5)), SECTAB_BTN_NEXT);
    EXPECT_EQ(g.HitButton(CPoint(40, 5)), 0u);
}

TEST(SECTabControlGeometry, ClampAndButtonStates) {
    // Fitting tabs: offset 0, every button disabled.
    auto fits = Strip(15, {50, 50});
    SECTabClamp c = ClampTabOffset(fits, 0);
    EXPECT_EQ(c.offset, 0);
    EXPECT_EQ(c.disabled, 15u);
    EXPECT_EQ(c.changed, 15u);
    // No tabs: all disabled, the button area redrawn.
    EXPECT_TRUE(ClampTabOffset(Strip(15, {}), 0).allDisabled);
    // Too wide: 5 tabs of 60 from x 68 end at 68 + 4*55 + 60 = 348; lowest = 200 - 348.
    auto wide = Strip(15, {60, 60, 60, 60, 60});
    c = ClampTabOffset(wide, 0);
    EXPECT_EQ(c.offset, 0);
    EXPECT_EQ(c.disabled, SECTAB_BTN_FIRST | SECTAB_BTN_PREV);
    wide.offset = -30;
    c = ClampTabOffset(wide, SECTAB_BTN_FIRST | SECTAB_BTN_PREV);
    EXPECT_EQ(c.offset, -30);
    EXPECT_EQ(c.disabled, 0u);
    EXPECT_EQ(c.changed, SECTAB_BTN_FIRST | SECTAB_BTN_PREV);
    wide.offset = -500;
    c = ClampTabOffset(wide, 0);
    EXPECT_EQ(c.offset, -148);
    EXPECT_EQ(c.disabled, SECTAB_BTN_NEXT | SECTAB_BTN_LAST);
}

TEST(SECTabControlGeometry, ButtonActionsAndScrollToTabMargins) {
    auto g = Strip(15, {60, 60, 60, 60, 60});
    g.offset = -20;
    EXPECT_EQ(g.ButtonOffset(SECTAB_BTN_FIRST), 0);
    EXPECT_EQ(g.ButtonOffset(SECTAB_BTN_PREV), -10);
    EXPECT_EQ(g.ButtonOffset(SECTAB_BTN_NEXT), -30);
    EXPECT_EQ(g.ButtonOffset(SECTAB_BTN_LAST), -20 + 200 - 328);
    g.offset = 0;
    // Tab 4 ends at 348: brought in with a 20-pixel margin.
    EXPECT_EQ(g.ScrollToTabOffset(4), 200 - 20 - 348);
    g.offset = -148;
    // Tab 0 starts at 68 - 148: back with the margin.
    EXPECT_EQ(g.ScrollToTabOffset(0), -148 + 20 + 148);
    // A tab wider than the area less 20 gets no margin.
    auto big = Strip(15, {40, 140}, 200);
    // Its right edge is brought to the area's right, then its left back inside.
    EXPECT_EQ(big.ScrollToTabOffset(1), 200 - (68 + 35 + 140) + 8);
}

TEST(SECTabAutoRepeat, StepsAfter300ThenEvery20Milliseconds) {
    SECTabAutoRepeat repeat(1000);
    EXPECT_FALSE(repeat.Due(1100));
    EXPECT_FALSE(repeat.Due(1300));
    EXPECT_TRUE(repeat.Due(1301));
    EXPECT_FALSE(repeat.Due(1321));
    EXPECT_TRUE(repeat.Due(1322));
    EXPECT_TRUE(repeat.Due(1400));
    EXPECT_EQ(repeat.Steps(), 3);
}

TEST(SECTabWndLayout, DefaultIdsFirstSizeAndSplitterLimit) {
    EXPECT_EQ(SECTabWndLayout::DefaultClientId(0), 60160u);
    EXPECT_EQ(SECTabWndLayout::DefaultClientId(2), 60162u);
    SECTabWndLayout l;
    l.client = CRect(0, 0, 400, 300);
    l.stripHeight = l.hbarHeight = l.vbarWidth = 16;
    l.usesHorz = true;
    l.Size(400, true);
    EXPECT_EQ(l.stripWidth, 340);
    l.stripWidth = 390;
    l.LimitStripWidth();
    EXPECT_EQ(l.stripWidth, 340);
    EXPECT_EQ(l.TabCtrl(), CRect(0, 284, 340, 300));
    EXPECT_EQ(l.Splitter(), CRect(340, 284, 345, 300));
    EXPECT_EQ(l.HorzBar(), CRect(345, 284, 401, 300));
    l.Size(300, false);
    EXPECT_EQ(l.stripWidth, 240);
    l.usesVert = true;
    EXPECT_EQ(l.Inside(), CRect(0, 0, 384, 284));
    EXPECT_EQ(l.VertBar(), CRect(384, 0, 400, 284));
    SECTabWndLayout plain;
    plain.client = CRect(0, 0, 400, 300);
    plain.stripHeight = 16;
    plain.Size(400, true);
    EXPECT_EQ(plain.TabCtrl(), CRect(0, 284, 400, 300));
    EXPECT_TRUE(plain.HorzBar().IsRectEmpty());
    EXPECT_TRUE(plain.VertBar().IsRectEmpty());
}

} // namespace
