#include "platform/ui/SysColorBitmap.h"

#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/CBitmap.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WxGdiData.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/image.h>

#include <cstring>
#include <vector>

namespace {

// A 4 by 1 bitmap of 24 bits a pixel: black, dark grey, light grey, and a colour of its own.
std::vector<BYTE> ButtonColours() {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = 4;
    header.biHeight = 1;
    header.biPlanes = 1;
    header.biBitCount = 24;
    const BYTE row[12] = {0, 0, 0, 128, 128, 128, 192, 192, 192, 10, 20, 30};
    std::vector<BYTE> dib(sizeof header + sizeof row);
    std::memcpy(dib.data(), &header, sizeof header);
    std::memcpy(dib.data() + sizeof header, row, sizeof row);
    return dib;
}

COLORREF PixelAt(const CBitmap& bitmap, int x) {
    const wxImage image = bitmap.GetData()->bitmap.ConvertToImage();
    return RGB(image.GetRed(x, 0), image.GetGreen(x, 0), image.GetBlue(x, 0));
}

TEST(SysColorBitmap, ButtonColoursBecomeTheDesktops) {
    static const std::vector<BYTE> dib = ButtonColours();
    RegisterBitmapResource("SYSCOLOURTEST", dib.data(), dib.size());
    CBitmap bitmap;
    ASSERT_TRUE(AfxLoadSysColorBitmap(bitmap, "SYSCOLOURTEST"));
    EXPECT_EQ(PixelAt(bitmap, 0), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(PixelAt(bitmap, 1), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelAt(bitmap, 2), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelAt(bitmap, 3), RGB(30, 20, 10));
    EXPECT_FALSE(AfxLoadSysColorBitmap(bitmap, "NOSUCHBITMAP"));
}

} // namespace
