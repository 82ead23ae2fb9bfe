// Bitmap 113, the splash window's picture: a blue field shading into teal with a light band and
// a large "M" in it, made once at registration as a 24-bit device-independent bitmap.

#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/WinTypes.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 240;

struct Rgb {
    int r, g, b;
};

// The letter's strokes: within `width` of one of the four lines of the "M".
bool InLetter(int x, int y) {
    constexpr int left = 140, right = 260, top = 60, bottom = 180, width = 9;
    if (y < top || y > bottom)
        return false;
    if (std::abs(x - left) <= width || std::abs(x - right) <= width)
        return true;
    const int middle = (left + right) / 2;
    const int depth = top + (bottom - top) * 2 / 3;
    if (y > depth + width)
        return false;
    // The two diagonals from the top corners to the middle's lowest point.
    const double t = static_cast<double>(y - top) / (depth - top);
    const double leftLine = left + t * (middle - left);
    const double rightLine = right - t * (right - middle);
    return std::abs(x - leftLine) <= width || std::abs(x - rightLine) <= width;
}

Rgb PixelAt(int x, int y) {
    const int shade = 255 * x / kWidth;
    Rgb colour{16, 40 + shade / 3, 110 + shade / 3};
    if (y > 200 && y < 212)
        colour = {220, 230, 240};
    if (InLetter(x, y))
        colour = {250, 250, 250};
    return colour;
}

std::vector<BYTE> MakeSplashDib() {
    const int rowBytes = ((24 * kWidth + 31) / 32) * 4;
    std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + static_cast<size_t>(rowBytes) * kHeight);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = kWidth;
    header.biHeight = kHeight;
    header.biPlanes = 1;
    header.biBitCount = 24;
    std::memcpy(dib.data(), &header, sizeof header);
    BYTE* pixels = dib.data() + sizeof header;
    for (int y = 0; y < kHeight; ++y) {
        // Rows are stored bottom-up.
        BYTE* row = pixels + static_cast<size_t>(kHeight - 1 - y) * rowBytes;
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = PixelAt(x, y);
            row[3 * x] = static_cast<BYTE>(c.b);
            row[3 * x + 1] = static_cast<BYTE>(c.g);
            row[3 * x + 2] = static_cast<BYTE>(c.r);
        }
    }
    return dib;
}

} // namespace

void RegisterSplashBitmap() {
    static const std::vector<BYTE> dib = MakeSplashDib();
    RegisterBitmapResource(MAKEINTRESOURCE(IDB_SPLASH), dib.data(), dib.size());
}
