#pragma once
// An owner-drawn button that shows a bitmap resource in the desktop's colours: the bitmap's
// black, dark grey, light grey and white become the button text, shadow, face and highlight
// colours, and are mapped again when the colour scheme changes.

#include "platform/ui/BitmapInfo.h"
#include "platform/ui/CBitmap.h"
#include "wintoolkit/colorwell/SECOwnerDrawButton.h"

#include <vector>

class SECBitmapButton : public SECOwnerDrawButton {
    DECLARE_DYNCREATE(SECBitmapButton)
public:
    SECBitmapButton() = default;

    // Loads the bitmap resource of that name (or MAKEINTRESOURCE number) and maps its colours;
    // FALSE when there is no such bitmap of 8 bits or fewer a pixel.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    void DrawFocusMark(CDC* pDC, const CRect& rect) override;
    // The bitmap, centred in the contents' rectangle.
    void DrawContents(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, const CRect& rect) override;

    // The four colours of the colour table taken to the desktop's button colours.
    static void MapColors(RGBQUAD* pColors, int nCount);

protected:
    BOOL LoadMappedBitmap();
    void OnSysColorChange() override;

    LPCTSTR m_lpszResourceName = nullptr;
    std::vector<char> m_strResourceName;
    CBitmap m_bitmap;
};
