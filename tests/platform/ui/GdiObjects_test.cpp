#include "platform/ui/CBrush.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CPalette.h"
#include "platform/ui/CPen.h"
#include "platform/ui/CRgn.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/StockObjects.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowMessages.h"

#include <gtest/gtest.h>

TEST(GdiObjects, PolygonHitTestsByFillMode) {
    // A pentagram: its middle is inside by winding, outside by alternation.
    const POINT star[] = {{50, 0}, {79, 90}, {2, 34}, {98, 34}, {21, 90}};
    CRgn alternate, winding;
    ASSERT_TRUE(alternate.CreatePolygonRgn(star, 5, ALTERNATE));
    ASSERT_TRUE(winding.CreatePolygonRgn(star, 5, WINDING));
    EXPECT_FALSE(alternate.PtInRegion(50, 50));
    EXPECT_TRUE(winding.PtInRegion(50, 50));
    EXPECT_TRUE(alternate.PtInRegion(50, 15)); // a point of the star
    EXPECT_FALSE(alternate.PtInRegion(5, 80));
    CRect box;
    EXPECT_EQ(alternate.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(2, 0, 98, 90));
    alternate.OffsetRgn(100, 0);
    EXPECT_TRUE(alternate.PtInRegion(150, 15));
    EXPECT_FALSE(alternate.CreatePolygonRgn(star, 5, ALTERNATE)); // already made
}

TEST(GdiObjects, RectangleRegionsHoldTheirLeftAndTopEdges) {
    CRgn rect;
    ASSERT_TRUE(rect.CreateRectRgn(10, 10, 20, 15));
    EXPECT_TRUE(rect.PtInRegion(10, 10));
    EXPECT_TRUE(rect.PtInRegion(19, 14));
    EXPECT_FALSE(rect.PtInRegion(20, 14));
    EXPECT_FALSE(rect.PtInRegion(19, 15));
    CRgn none;
    CRect box;
    EXPECT_FALSE(none.PtInRegion(0, 0));
    EXPECT_EQ(none.GetRgnBox(&box), RGN_ERROR);
}

TEST(GdiObjects, PaletteEntriesAndNearestColour) {
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[2];
    } block{{0x300, 3, {{0, 0, 0, 0}}}, {{255, 0, 0, 0}, {0, 0, 250, PC_RESERVED}}};
    CPalette palette;
    EXPECT_FALSE(palette.GetSafeHandle());
    ASSERT_TRUE(palette.CreatePalette(&block.header));
    EXPECT_EQ(palette.GetEntryCount(), 3);
    EXPECT_EQ(palette.GetNearestPaletteIndex(RGB(200, 30, 30)), 1u);
    EXPECT_EQ(palette.GetEntryColor(2), RGB(0, 0, 250));
    PALETTEENTRY entries[4] = {};
    EXPECT_EQ(palette.GetPaletteEntries(1, 4, entries), 2u);
    EXPECT_EQ(entries[1].peFlags, PC_RESERVED);
    const PALETTEENTRY green{0, 255, 0, 0};
    EXPECT_EQ(palette.SetPaletteEntries(0, 1, &green), 1u);
    EXPECT_EQ(palette.GetEntryColor(0), RGB(0, 255, 0));
    EXPECT_TRUE(palette.DeleteObject());
    EXPECT_EQ(palette.GetEntryCount(), 0);
}

TEST(GdiObjects, WithoutAWindowSystem) {
    // The classic colours and sizes stand in, drawing does nothing, cursors are not there.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(99), 0u);
    EXPECT_EQ(CBrush::FromHandle(GetSysColorBrush(COLOR_WINDOW))->GetColor(), RGB(255, 255, 255));
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
    EXPECT_EQ(LOWORD(GetDialogBaseUnits()), 6);
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), nullptr);
    CDC dc;
    EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
    EXPECT_FALSE(dc.Rectangle(0, 0, 5, 5));
    EXPECT_EQ(dc.GetDeviceCaps(BITSPIXEL), 24);
    EXPECT_NE(GetStockObject(NULL_BRUSH), nullptr);
    EXPECT_TRUE(static_cast<CBrush*>(GetStockObject(NULL_BRUSH))->IsHollow());
    EXPECT_EQ(static_cast<CPen*>(GetStockObject(BLACK_PEN))->GetColor(), RGB(0, 0, 0));
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), nullptr);
}
