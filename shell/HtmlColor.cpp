#include "shell/HtmlColor.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

BOOL TryParseHtmlColor(const CString& text, COLORREF* color) {
    CString digits = text;
    if (!digits.IsEmpty() && digits[0] == '#')
        digits = digits.Mid(1);
    if (digits.GetLength() != 6)
        return FALSE;
    COLORREF value = 0;
    for (int pair = 0; pair < 3; ++pair) {
        const int high = HexDigit(digits[2 * pair]);
        const int low = HexDigit(digits[2 * pair + 1]);
        if (high < 0 || low < 0)
            return FALSE;
        value |= static_cast<COLORREF>(high * 16 + low) << (8 * pair);
    }
    *color = value;
    return TRUE;
}

COLORREF ParseHtmlColor(CString text) {
    COLORREF color = 0;
    TryParseHtmlColor(text, &color);
    return color;
}

CString FormatHtmlColor(COLORREF color) {
    CString text;
    text.Format("%02X%02X%02X", static_cast<unsigned>(color & 0xFF),
                static_cast<unsigned>((color >> 8) & 0xFF),
                static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}
