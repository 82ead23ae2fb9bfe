#include "platform/ui/SysColorBitmap.h"

#include "platform/core/COLORREF.h"
#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/CBitmap.h"
#include "platform/ui/SystemSettings.h"

#include <cstring>
#include <vector>

namespace {

// The desktop's colour for a fixed button colour; false when the colour is not one of them.
bool MapColour(BYTE& red, BYTE& green, BYTE& blue) {
    struct Map {
        COLORREF from;
        int sysColor;
    };
    static const Map maps[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
                               {RGB(128, 128, 128), COLOR_BTNSHADOW},
                               {RGB(192, 192, 192), COLOR_BTNFACE},
                               {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    const COLORREF colour = RGB(red, green, blue);
    for (const Map& map : maps) {
        if (map.from != colour)
            continue;
        const COLORREF to = GetSysColor(map.sysColor);
        red = GetRValue(to);
        green = GetGValue(to);
        blue = GetBValue(to);
        return true;
    }
    return false;
}

} // namespace

BOOL AfxLoadSysColorBitmap(CBitmap& bitmap, LPCTSTR lpszResourceName) {
    size_t size = 0;
    const BYTE* dib = FindBitmapResource(lpszResourceName, &size);
    if (!dib || size < sizeof(BITMAPINFOHEADER))
        return FALSE;
    std::vector<BYTE> copy(dib, dib + size);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(copy.data());
    const int bits = header->biBitCount;
    const size_t colours =
        bits <= 8 ? (header->biClrUsed ? header->biClrUsed : size_t{1} << bits) : 0;
    const size_t offset = header->biSize + colours * sizeof(RGBQUAD);
    if (offset > size)
        return FALSE;
    auto* table = reinterpret_cast<RGBQUAD*>(copy.data() + header->biSize);
    for (size_t i = 0; i < colours; ++i)
        MapColour(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
    if (bits == 24) {
        // Rows are padded to whole 32-bit words.
        const size_t width = static_cast<size_t>(header->biWidth < 0 ? 0 : header->biWidth);
        const size_t stride = (width * 3 + 3) & ~size_t{3};
        for (size_t row = offset; row + stride <= size; row += stride)
            for (size_t at = row; at < row + width * 3; at += 3)
                MapColour(copy[at + 2], copy[at + 1], copy[at]);
    }
    bitmap.DeleteObject();
    return bitmap.CreateFromDIB(header, copy.data() + offset);
}
