#include "wintoolkit/colorwell/SECBitmapButton.h"

#include "platform/ui/BitmapResources.h"
#include "platform/ui/CDC.h"
#include "platform/ui/SystemSettings.h"

#include <cstring>

IMPLEMENT_DYNCREATE(SECBitmapButton, SECOwnerDrawButton)

void SECBitmapButton::MapColors(RGBQUAD* pColors, int nCount) {
    const struct {
        COLORREF from;
        int to;
    } map[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
               {RGB(128, 128, 128), COLOR_BTNSHADOW},
               {RGB(192, 192, 192), COLOR_BTNFACE},
               {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    for (int i = 0; i < nCount; ++i) {
        RGBQUAD& colour = pColors[i];
        const COLORREF entry = RGB(colour.rgbRed, colour.rgbGreen, colour.rgbBlue);
        for (const auto& pair : map) {
            if (entry != pair.from)
                continue;
            const COLORREF system = GetSysColor(pair.to);
            colour.rgbRed = GetRValue(system);
            colour.rgbGreen = GetGValue(system);
            colour.rgbBlue = GetBValue(system);
            break;
        }
    }
}

BOOL SECBitmapButton::LoadBitmap(LPCTSTR lpszResourceName) {
    // The name is kept to load the bitmap again when the colours change.
    if (IS_INTRESOURCE(lpszResourceName)) {
        m_lpszResourceName = lpszResourceName;
    } else {
        const size_t length = lpszResourceName ? std::strlen(lpszResourceName) : 0;
        m_strResourceName.assign(lpszResourceName, lpszResourceName + length);
        m_strResourceName.push_back('\0');
        m_lpszResourceName = m_strResourceName.data();
    }
    return LoadMappedBitmap();
}

BOOL SECBitmapButton::LoadMappedBitmap() {
    m_bitmap.DeleteObject();
    size_t size = 0;
    const BYTE* dib = FindBitmapResource(m_lpszResourceName, &size);
    if (!dib || size < sizeof(BITMAPINFOHEADER))
        return FALSE;
    std::vector<BYTE> copy(dib, dib + size);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(copy.data());
    if (header->biBitCount > 8 || header->biSize < sizeof(BITMAPINFOHEADER))
        return FALSE;
    const int colors =
        header->biClrUsed ? static_cast<int>(header->biClrUsed) : 1 << header->biBitCount;
    const size_t tableEnd = header->biSize + 4 * static_cast<size_t>(colors);
    if (tableEnd > size)
        return FALSE;
    MapColors(reinterpret_cast<RGBQUAD*>(copy.data() + header->biSize), colors);
    return m_bitmap.CreateFromDIB(header, copy.data() + tableEnd);
}

void SECBitmapButton::DrawFocusMark(CDC* pDC, const CRect& rect) {
    CRect mark(rect);
    mark.DeflateRect(1, 1);
    pDC->DrawFocusRect(&mark);
}

void SECBitmapButton::DrawContents(CDC* pDC, LPDRAWITEMSTRUCT, const CRect& rect) {
    BITMAP info{};
    if (!m_bitmap.GetBitmap(&info))
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(pDC))
        return;
    CBitmap* old = memory.SelectObject(&m_bitmap);
    const int x = rect.left + (rect.Width() - info.bmWidth) / 2;
    const int y = rect.top + (rect.Height() - info.bmHeight) / 2;
    pDC->BitBlt(x, y, info.bmWidth, info.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void SECBitmapButton::OnSysColorChange() {
    SECOwnerDrawButton::OnSysColorChange();
    LoadMappedBitmap();
}
