#include "platform/ui/CBitmap.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CPalette.h"
#include "platform/ui/CPen.h"
#include "platform/ui/CRgn.h"
#include "platform/ui/WxGdiData.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/image.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A memory context over a white 40 × 30 bitmap, whose pixels can be read back.
class CDCTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 40, 30));
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 40, 30, kWhite);
    }

    COLORREF Pixel(int x, int y) {
        dc.SelectObject(static_cast<CBitmap*>(nullptr));
        const wxImage image = bitmap.GetData()->bitmap.ConvertToImage();
        dc.SelectObject(&bitmap);
        return RGB(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }

    CDC dc;
    CBitmap bitmap;
};

} // namespace

TEST_F(CDCTest, FilledRectanglesCoverExactlyTheirPixels) {
    dc.FillSolidRect(2, 3, 5, 4, RGB(10, 20, 30));
    EXPECT_EQ(Pixel(2, 3), RGB(10, 20, 30));
    EXPECT_EQ(Pixel(6, 6), RGB(10, 20, 30));
    EXPECT_EQ(Pixel(7, 6), kWhite);
    EXPECT_EQ(Pixel(6, 7), kWhite);
    EXPECT_EQ(Pixel(1, 3), kWhite);
    EXPECT_EQ(dc.GetBkColor(), RGB(10, 20, 30)); // FillSolidRect sets the background colour
}

TEST_F(CDCTest, LinesStopBeforeTheirEndPoint) {
    dc.MoveTo(10, 10);
    dc.LineTo(15, 10);
    EXPECT_EQ(Pixel(10, 10), kBlack);
    EXPECT_EQ(Pixel(14, 10), kBlack);
    EXPECT_EQ(Pixel(15, 10), kWhite);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.MoveTo(20, 15);
    dc.LineTo(20, 10);
    EXPECT_EQ(Pixel(20, 15), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(20, 11), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(20, 10), kWhite);
}

TEST_F(CDCTest, RectanglesAndThreeDimensionalFrames) {
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush blue(RGB(0, 0, 255));
    dc.SelectObject(&red);
    dc.SelectObject(&blue);
    dc.Rectangle(25, 2, 35, 8);
    EXPECT_EQ(Pixel(25, 2), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(34, 7), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(30, 5), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(35, 7), kWhite);

    dc.Draw3dRect(2, 15, 8, 6, RGB(0, 255, 0), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(2, 15), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(8, 15), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(9, 15), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(2, 19), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(2, 20), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(9, 20), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(5, 17), kWhite);
}

TEST_F(CDCTest, PaletteIndexesPaintAsTheirEntries) {
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } block{{0x300, 2, {{1, 2, 3, 0}}}, {{200, 100, 50, 0}}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&block.header));
    dc.SelectPalette(&palette, TRUE);
    EXPECT_EQ(dc.RealizePalette(), 2u);
    dc.FillSolidRect(0, 0, 3, 3, PALETTEINDEX(1));
    EXPECT_EQ(Pixel(1, 1), RGB(200, 100, 50));
    EXPECT_EQ(dc.ResolveColor(PALETTEINDEX(0)), RGB(1, 2, 3));
    EXPECT_EQ(dc.ResolveColor(PALETTEINDEX(9)), kBlack);
}

TEST_F(CDCTest, PolygonRegionsFillAndHitTest) {
    const POINT triangle[] = {{10, 5}, {30, 5}, {20, 25}};
    CRgn region;
    ASSERT_TRUE(region.CreatePolygonRgn(triangle, 3, ALTERNATE));
    CBrush green(RGB(0, 200, 0));
    EXPECT_TRUE(dc.FillRgn(&region, &green));
    EXPECT_TRUE(region.PtInRegion(20, 10));
    EXPECT_EQ(Pixel(20, 10), RGB(0, 200, 0));
    EXPECT_FALSE(region.PtInRegion(11, 20));
    EXPECT_EQ(Pixel(11, 20), kWhite);
}

TEST_F(CDCTest, MonochromeMasksFromColourAndInColour) {
    dc.FillSolidRect(5, 5, 3, 2, RGB(9, 9, 9));
    dc.SetBkColor(kWhite);
    CDC mono;
    CBitmap mask;
    ASSERT_TRUE(mono.CreateCompatibleDC(&dc));
    ASSERT_TRUE(mask.CreateBitmap(40, 30, 1, 1, nullptr));
    mono.SelectObject(&mask);
    EXPECT_EQ(mono.GetDeviceCaps(BITSPIXEL), 1);
    ASSERT_TRUE(mono.BitBlt(0, 0, 40, 30, &dc, 0, 0, SRCCOPY));
    // The source's background became white, the rest black: drawn through a brush, only the
    // black part shows.
    CBrush shadow(RGB(128, 0, 128));
    dc.SelectObject(&shadow);
    ASSERT_TRUE(dc.BitBlt(1, 1, 40, 30, &mono, 0, 0, ROP_PSDPxax));
    EXPECT_EQ(Pixel(8, 7), RGB(128, 0, 128)); // (7, 6) moved one right and down
    EXPECT_EQ(Pixel(5, 5), RGB(9, 9, 9));
    EXPECT_EQ(Pixel(20, 20), kWhite);
}
