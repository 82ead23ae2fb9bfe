#pragma once
// Colours as the drawing calls and the stored settings take them: 0x00BBGGRR, or, with 0x01 in
// the high byte, an index into the selected palette.

#include "platform/core/Types.h"

using COLORREF = DWORD;

constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue) {
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) |
           (static_cast<COLORREF>(blue) << 16);
}
constexpr BYTE GetRValue(COLORREF color) {
    return static_cast<BYTE>(color & 0xFF);
}
constexpr BYTE GetGValue(COLORREF color) {
    return static_cast<BYTE>((color >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF color) {
    return static_cast<BYTE>((color >> 16) & 0xFF);
}
// The palette entry of that index, as a colour.
constexpr COLORREF PALETTEINDEX(WORD index) {
    return 0x01000000 | index;
}
// The palette entry nearest to the colour.
constexpr COLORREF PALETTERGB(BYTE red, BYTE green, BYTE blue) {
    return 0x02000000 | RGB(red, green, blue);
}
constexpr bool IsPaletteIndex(COLORREF color) {
    return (color & 0xFF000000) == 0x01000000;
}

// No colour: what the colour calls return when they fail.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
