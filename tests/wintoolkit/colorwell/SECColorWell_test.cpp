#include "platform/ui/WindowMessages.h"
#include "wintoolkit/colorwell/SECColorWell.h"

#include <gtest/gtest.h>

namespace {

// A well laid out without a window. Without a display the dialog base units are 6 by 13, so a
// cell is 15 × 16 pixels.
class LaidOutWell : public SECColorWell {
public:
    LaidOutWell(BOOL other, DWORD style = 0) {
        PrepareLayout(style, 10, 20, nullptr, TRUE, other);
        CreateWellPalette();
    }
};

} // namespace

TEST(SECColorWell, GeometryFromTheDialogUnits) {
    const LaidOutWell plain(FALSE);
    EXPECT_EQ(plain.GetWellRect(), CRect(15, 32, 15 + 72, 32 + 94));
    EXPECT_EQ(plain.GetCellRect(0, 0), CRect(3, 3, 18, 19)); // margin 2 and the focus frame
    EXPECT_EQ(plain.GetCellRect(1, 2), CRect(20, 39, 35, 55));

    const LaidOutWell other(TRUE);
    EXPECT_EQ(other.GetWellRect().Height(), 94 + 18 + 6);
    EXPECT_EQ(other.GetOtherButtonRect(), CRect(3, 97, 69, 115));
    EXPECT_EQ(other.GetCellRect(3, 5), CRect(54, 98, 69, 114)); // the custom cell, 5 lower

    const LaidOutWell bordered(FALSE, 0x1);
    EXPECT_EQ(bordered.GetCellRect(0, 0).TopLeft(), CPoint(5, 5));
    EXPECT_EQ(bordered.GetWellRect().Width(), 17 * 4 + 10 - 2);
}

TEST(SECColorWell, CellsHoldTheTwentyColoursInRows) {
    LaidOutWell well(FALSE);
    EXPECT_EQ(well.GetSelectedColumn(), 1);
    EXPECT_EQ(well.GetSelectedRow(), 1);
    EXPECT_EQ(well.GetColor(), RGB(128, 0, 128)); // entry 5
    well.SetColor(RGB(255, 0, 0));                // entry 13: row 3, column 1
    EXPECT_EQ(well.GetSelectedColumn(), 1);
    EXPECT_EQ(well.GetSelectedRow(), 3);
    EXPECT_EQ(well.GetColor(), RGB(255, 0, 0));
    // Without the other-colour choice a colour that is not there changes nothing.
    well.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(well.GetColor(), RGB(255, 0, 0));
    EXPECT_FALSE(well.IsCustomColorSet());
}

TEST(SECColorWell, AnotherColourTakesTheCustomCellAndNarrowsTheButtonOnce) {
    LaidOutWell well(TRUE);
    well.SetColor(RGB(0, 0, 255));
    EXPECT_FALSE(well.IsCustomColorSet());
    EXPECT_EQ(well.GetOtherButtonRect().right, 69);
    well.SetColor(RGB(1, 2, 3));
    EXPECT_TRUE(well.IsCustomColorSet());
    EXPECT_EQ(well.GetSelectedColumn(), 3);
    EXPECT_EQ(well.GetSelectedRow(), 5);
    EXPECT_EQ(well.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(well.GetOtherButtonRect().right, 69 - 17);
    well.SetColor(RGB(4, 5, 6));
    EXPECT_EQ(well.GetColor(), RGB(4, 5, 6));
    EXPECT_EQ(well.GetOtherButtonRect().right, 69 - 17);
    well.SetColor(RGB(255, 255, 255)); // back into the grid
    EXPECT_EQ(well.GetSelectedRow(), 4);
    EXPECT_EQ(well.GetSelectedColumn(), 3);
}

TEST(SECColorWell, HitTestsTryEachCellGrownByOne) {
    LaidOutWell well(TRUE);
    int col = -1, row = -1;
    EXPECT_TRUE(well.HitTest(CPoint(2, 2), col, row)); // the grown edge of (0, 0)
    EXPECT_EQ(col, 0);
    EXPECT_EQ(row, 0);
    EXPECT_TRUE(well.HitTest(CPoint(19, 10), col, row)); // the grown edge of (1, 0)
    EXPECT_EQ(col, 1);
    EXPECT_TRUE(well.HitTest(CPoint(68, 91), col, row));
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 4);
    EXPECT_FALSE(well.HitTest(CPoint(0, 0), col, row));
    // The custom cell answers once it shows a colour.
    EXPECT_FALSE(well.HitTest(CPoint(60, 105), col, row));
    well.SetColor(RGB(1, 2, 3));
    EXPECT_TRUE(well.HitTest(CPoint(60, 105), col, row));
    EXPECT_EQ(row, 5);
}

TEST(SECColorWell, ArrowKeysMoveAlongRowsAndColumns) {
    LaidOutWell plain(TRUE);
    LaidOutWell custom(TRUE);
    custom.SetColor(RGB(1, 2, 3)); // the custom cell (3, 5) is shown
    struct Case {
        const SECColorWell* well;
        UINT key;
        int col, row;
        int toCol, toRow;
    } cases[] = {
        {&plain, VK_RIGHT, 3, 4, 0, 0},  // the last cell wraps to the first
        {&plain, VK_LEFT, 0, 0, 3, 4},   // and back
        {&plain, VK_RIGHT, 3, 1, 0, 2},  // the start of the next row
        {&plain, VK_LEFT, 0, 2, 3, 1},   // the end of the row above
        {&plain, VK_UP, 2, 0, 2, 4},     // the top row wraps to the bottom
        {&plain, VK_DOWN, 2, 4, 2, 0},   // and back
        {&plain, VK_DOWN, 3, 4, 3, 0},   // no custom cell to go to
        {&custom, VK_RIGHT, 3, 4, 3, 5}, // the last cell to the custom cell
        {&custom, VK_RIGHT, 3, 5, 0, 0}, // the custom cell to the first
        {&custom, VK_LEFT, 0, 0, 3, 5},  {&custom, VK_LEFT, 3, 5, 3, 4},
        {&custom, VK_UP, 3, 0, 3, 5}, // the custom cell lies in this column
        {&custom, VK_UP, 2, 0, 2, 4}, // not in this one
        {&custom, VK_UP, 3, 5, 3, 4},    {&custom, VK_DOWN, 3, 4, 3, 5},
        {&custom, VK_DOWN, 3, 5, 3, 0},  {&custom, VK_DOWN, 1, 1, 1, 2},
    };
    for (const Case& c : cases) {
        int col = c.col, row = c.row;
        c.well->NextCell(c.key, col, row);
        EXPECT_EQ(col, c.toCol) << c.key << " from " << c.col << "," << c.row;
        EXPECT_EQ(row, c.toRow) << c.key << " from " << c.col << "," << c.row;
    }
}
