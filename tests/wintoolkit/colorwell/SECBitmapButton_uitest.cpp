#include "platform/ui/BitmapResources.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WxGdiData.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "wintoolkit/colorwell/SECBitmapButton.h"

#include <wx/image.h>

#include <cstring>
#include <vector>

namespace {

// An 8-bit bitmap of one row: black, dark grey, light grey, white and red.
std::vector<BYTE> FiveColourBitmap() {
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), 5, 1, 1, 8, BI_RGB, 0, 0, 0, 5, 0};
    const RGBQUAD table[5] = {
        {0, 0, 0, 0}, {128, 128, 128, 0}, {192, 192, 192, 0}, {255, 255, 255, 0}, {0, 0, 255, 0}};
    const BYTE row[8] = {0, 1, 2, 3, 4, 0, 0, 0};
    std::vector<BYTE> dib(sizeof header + sizeof table + sizeof row);
    std::memcpy(dib.data(), &header, sizeof header);
    std::memcpy(dib.data() + sizeof header, table, sizeof table);
    std::memcpy(dib.data() + sizeof header + sizeof table, row, sizeof row);
    return dib;
}

class ShownBitmapButton : public SECBitmapButton {
public:
    COLORREF Pixel(int x) const {
        const wxImage image = m_bitmap.GetData()->bitmap.ConvertToImage();
        return RGB(image.GetRed(x, 0), image.GetGreen(x, 0), image.GetBlue(x, 0));
    }
};

} // namespace

TEST(SECBitmapButton, TheBitmapTakesTheDesktopsButtonColours) {
    static const std::vector<BYTE> dib = FiveColourBitmap();
    RegisterBitmapResource("SECTESTBITMAP", dib.data(), dib.size());
    ShownBitmapButton button;
    ASSERT_TRUE(button.LoadBitmap("SECTESTBITMAP"));
    EXPECT_EQ(button.Pixel(0), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(button.Pixel(1), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(button.Pixel(2), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(button.Pixel(3), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(button.Pixel(4), RGB(255, 0, 0));
    ShownBitmapButton missing;
    EXPECT_FALSE(missing.LoadBitmap("NOSUCHBITMAP"));
}
