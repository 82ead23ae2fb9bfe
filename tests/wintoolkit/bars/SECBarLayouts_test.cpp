#include "wintoolkit/statusbar/SECStatusPanes.h"
#include "wintoolkit/toolbar/SECToolBarLayout.h"

#include <gtest/gtest.h>

namespace {

SECStatusPane Pane(int cx, UINT style = 0) {
    SECStatusPane pane;
    pane.cxText = cx;
    pane.nStyle = style;
    return pane;
}

TEST(SECStatusPanes, RightEdgesShareTheSpareWidthAmongStretchPanes) {
    // 400 wide, gap 2, border 0: spare = 402 - (100+8) - (30+8) - (40+8) = 208.
    const std::vector<SECStatusPane> panes = {Pane(100, SBPS_STRETCH), Pane(30), Pane(40)};
    EXPECT_EQ(SECStatusPanes::RightEdges(panes, 400, 0, 2), (std::vector<int>{314, 352, 400}));
    // Two stretch panes share 216.
    const std::vector<SECStatusPane> two = {Pane(10, SBPS_STRETCH), Pane(10, SBPS_STRETCH)};
    EXPECT_EQ(SECStatusPanes::RightEdges(two, 250, 0, 2), (std::vector<int>{124, 250}));
    // No spare room: panes keep their text widths.
    EXPECT_EQ(SECStatusPanes::RightEdges(panes, 100, 3, 2), (std::vector<int>{109, 147, 195}));
}

TEST(SECStatusPanes, SizeGripAndPendingTexts) {
    EXPECT_EQ(SECStatusPanes::SizeGripWidth(1, 16, 0), 18);
    SECStatusPane pane = Pane(10);
    pane.strText = "Ready";
    EXPECT_FALSE(SECStatusPanes::TextChanges(pane, "Ready"));
    EXPECT_TRUE(SECStatusPanes::TextChanges(pane, "Busy"));
    pane.strText = "";
    EXPECT_FALSE(SECStatusPanes::TextChanges(pane, nullptr));
    pane.nFlags = SECSTATUS_TEXT_PENDING;
    EXPECT_TRUE(SECStatusPanes::TextChanges(pane, ""));
}

TEST(SECToolBarLayout, ButtonsFromImagesAndWrapping) {
    EXPECT_EQ(SECToolBarLayout::ButtonSizeFor(CSize(16, 15)), CSize(23, 22));
    const UINT ids[] = {100, 101, 0, 102, 103};
    auto buttons = SECToolBarLayout::ButtonsFrom(ids, 5);
    ASSERT_EQ(buttons.size(), 5u);
    EXPECT_EQ(buttons[2].nStyle, TBBS_SEPARATOR);
    EXPECT_EQ(buttons[3].iImage, 2);
    std::vector<CRect> rects;
    EXPECT_EQ(SECToolBarLayout::Wrap(buttons, CSize(23, 22), 32767, &rects), CSize(100, 22));
    EXPECT_EQ(rects[3], CRect(54, 0, 77, 22));
    // 50 pixels: two buttons a row; the separator after a wrap takes no room.
    EXPECT_EQ(SECToolBarLayout::Wrap(buttons, CSize(23, 22), 50, &rects), CSize(46, 44));
    EXPECT_TRUE(rects[2].IsRectEmpty());
    EXPECT_EQ(rects[3], CRect(0, 22, 23, 44));
    EXPECT_TRUE(buttons[1].nStyle & TBBS_WRAPPED);
    // A vertical dock (length 0) puts one button a row.
    EXPECT_EQ(SECToolBarLayout::Wrap(buttons, CSize(23, 22), 0, &rects), CSize(23, 88));
}

} // namespace
