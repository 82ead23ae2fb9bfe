// Bitmap 154, the strip of the object kinds' small icons: 54 icons of 16 by 16 pixels side by
// side, on light grey (192, 192, 192), which the lists that draw them leave transparent. Made
// once at registration as a 24-bit device-independent bitmap: each icon a sheet with a band
// and a frame in the colours of its place in the strip.

#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/WinTypes.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kIcon = 16;
constexpr int kCount = 54;
constexpr int kWidth = kIcon * kCount;

struct Rgb {
    int r, g, b;
};

constexpr Rgb kBands[] = {{0, 0, 128},   {0, 128, 0},  {128, 0, 0},  {0, 128, 128}, {128, 0, 128},
                          {128, 128, 0}, {0, 64, 192}, {192, 64, 0}, {64, 128, 64}};

Rgb PixelAt(int icon, int x, int y) {
    const Rgb band = kBands[(icon / 2) % std::size(kBands)];
    const bool round = icon % 2 == 1;
    const bool inside = x >= 2 && x <= 13 && y >= 1 && y <= 14 &&
                        !(round && (x - 7.5) * (x - 7.5) + (y - 7.5) * (y - 7.5) > 42);
    if (!inside)
        return {192, 192, 192};
    const bool edge = x == 2 || x == 13 || y == 1 || y == 14 ||
                      (round && (x - 7.5) * (x - 7.5) + (y - 7.5) * (y - 7.5) > 30);
    if (edge)
        return {0, 0, 0};
    if (y <= 4)
        return band;
    return {255, 255, 255};
}

std::vector<BYTE> MakeIconsDib() {
    const int rowBytes = ((24 * kWidth + 31) / 32) * 4;
    std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + static_cast<size_t>(rowBytes) * kIcon);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = kWidth;
    header.biHeight = kIcon;
    header.biPlanes = 1;
    header.biBitCount = 24;
    std::memcpy(dib.data(), &header, sizeof header);
    BYTE* pixels = dib.data() + sizeof header;
    for (int y = 0; y < kIcon; ++y) {
        BYTE* row = pixels + static_cast<size_t>(kIcon - 1 - y) * rowBytes;
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = PixelAt(x / kIcon, x % kIcon, y);
            row[3 * x] = static_cast<BYTE>(c.b);
            row[3 * x + 1] = static_cast<BYTE>(c.g);
            row[3 * x + 2] = static_cast<BYTE>(c.r);
        }
    }
    return dib;
}

} // namespace

void RegisterObjectIconsBitmap() {
    static const std::vector<BYTE> dib = MakeIconsDib();
    RegisterBitmapResource(MAKEINTRESOURCE(IDB_OBJECT_ICONS), dib.data(), dib.size());
}
