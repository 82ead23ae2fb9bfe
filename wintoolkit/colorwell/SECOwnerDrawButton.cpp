#include "wintoolkit/colorwell/SECOwnerDrawButton.h"

#include "platform/ui/CBitmap.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CDC.h"
#include "platform/ui/SystemSettings.h"
#include "wintoolkit/display/SECSystemData.h"

COLORREF SECOwnerDrawButton::s_clrBtnShadow = 0;
COLORREF SECOwnerDrawButton::s_clrBtnHilite = 0;
COLORREF SECOwnerDrawButton::s_clrBtnFace = 0;
COLORREF SECOwnerDrawButton::s_clrWindowFrame = 0;

IMPLEMENT_DYNAMIC(SECOwnerDrawButton, CButton)

SECOwnerDrawButton::SECOwnerDrawButton() : m_bNewLook(secData.bWin4) {
    ReadSystemColors();
}

void SECOwnerDrawButton::ReadSystemColors() {
    s_clrBtnShadow = GetSysColor(COLOR_BTNSHADOW);
    s_clrBtnHilite = GetSysColor(COLOR_BTNHIGHLIGHT);
    s_clrBtnFace = GetSysColor(COLOR_BTNFACE);
    s_clrWindowFrame = GetSysColor(COLOR_WINDOWFRAME);
}

BOOL SECOwnerDrawButton::AttachToDlgItem(UINT nID, CWnd* pParentWnd) {
    return ReplaceDlgItem(nID, pParentWnd, BS_OWNERDRAW);
}

BOOL SECOwnerDrawButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect,
                                CWnd* pParentWnd, UINT nID) {
    return CButton::Create(lpszCaption, dwStyle | BS_OWNERDRAW, rect, pParentWnd, nID);
}

void SECOwnerDrawButton::Clicked() {}

void SECOwnerDrawButton::PreparePalette(CDC*, CDC*) {}

void SECOwnerDrawButton::RestorePalette(CDC*, CDC*) {}

void SECOwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!(lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT | ODA_FOCUS)))
        return;
    CDC* screen = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect item(lpDrawItemStruct->rcItem);
    // Drawn in a bitmap first and copied; straight onto the screen when none can be had.
    CDC memory;
    CBitmap bitmap;
    const bool buffered = memory.CreateCompatibleDC(screen) &&
                          bitmap.CreateCompatibleBitmap(screen, item.Width(), item.Height());
    CDC* target = buffered ? &memory : screen;
    CBitmap* old = buffered ? memory.SelectObject(&bitmap) : nullptr;
    if (buffered)
        memory.SetBkColor(screen->GetBkColor());
    PreparePalette(&memory, screen);
    CRect contents(item);
    DrawFrame(contents, target, lpDrawItemStruct);
    DrawContents(target, lpDrawItemStruct, contents);
    if (lpDrawItemStruct->itemState & ODS_DISABLED)
        DrawDisabled(target, contents);
    RestorePalette(&memory, screen);
    if (buffered) {
        screen->BitBlt(item.left, item.top, item.Width(), item.Height(), &memory, 0, 0, SRCCOPY);
        memory.SelectObject(old);
    }
    DrawFocus(screen, lpDrawItemStruct);
}

void SECOwnerDrawButton::DrawFrame(CRect& rect, CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    const bool sunken = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    pDC->FillSolidRect(&rect, s_clrBtnFace);
    if (m_bNewLook) {
        pDC->Draw3dRect(&rect, sunken ? s_clrWindowFrame : s_clrBtnHilite,
                        sunken ? s_clrBtnHilite : s_clrWindowFrame);
        rect.DeflateRect(1, 1);
        pDC->Draw3dRect(&rect, sunken ? s_clrBtnShadow : s_clrBtnFace,
                        sunken ? s_clrBtnFace : s_clrBtnShadow);
        rect.DeflateRect(1, 1);
    } else {
        // A window-frame border without its corner pixels, then two bevel rings.
        pDC->FillSolidRect(rect.left + 1, rect.top, rect.Width() - 2, 1, s_clrWindowFrame);
        pDC->FillSolidRect(rect.left + 1, rect.bottom - 1, rect.Width() - 2, 1, s_clrWindowFrame);
        pDC->FillSolidRect(rect.left, rect.top + 1, 1, rect.Height() - 2, s_clrWindowFrame);
        pDC->FillSolidRect(rect.right - 1, rect.top + 1, 1, rect.Height() - 2, s_clrWindowFrame);
        rect.DeflateRect(1, 1);
        for (int ring = 0; ring < 2; ++ring) {
            pDC->Draw3dRect(&rect, sunken ? s_clrBtnShadow : s_clrBtnHilite,
                            sunken ? s_clrBtnFace : s_clrBtnShadow);
            rect.DeflateRect(1, 1);
        }
    }
    if (sunken)
        rect.OffsetRect(1, 1);
}

void SECOwnerDrawButton::DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!(lpDrawItemStruct->itemState & ODS_FOCUS))
        return;
    CRect rect(lpDrawItemStruct->rcItem);
    rect.DeflateRect(m_bNewLook ? 1 : 2, m_bNewLook ? 1 : 2);
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        rect.OffsetRect(1, 1);
    } else {
        rect.right -= 1;
        rect.bottom -= 1;
    }
    pDC->SetBkColor(s_clrBtnFace);
    DrawFocusMark(pDC, rect);
}

// The contents embossed: a mask of everything that is not face colour, drawn once in the
// highlight colour a pixel right and down, and once in the shadow colour in place.
void SECOwnerDrawButton::DrawDisabled(CDC* pDC, const CRect& rect) {
    const int width = rect.Width(), height = rect.Height();
    CDC mono;
    CBitmap mask;
    if (width <= 0 || height <= 0 || !mono.CreateCompatibleDC(pDC) ||
        !mask.CreateBitmap(width, height, 1, 1, nullptr))
        return;
    CBitmap* old = mono.SelectObject(&mask);
    const COLORREF background = pDC->SetBkColor(s_clrBtnFace);
    mono.BitBlt(0, 0, width, height, pDC, rect.left, rect.top, SRCCOPY);
    pDC->SetBkColor(background);
    pDC->FillSolidRect(&rect, s_clrBtnFace);
    CBrush highlight(s_clrBtnHilite), shadow(s_clrBtnShadow);
    CBrush* oldBrush = pDC->SelectObject(&highlight);
    pDC->BitBlt(rect.left + 1, rect.top + 1, width, height, &mono, 0, 0, ROP_PSDPxax);
    pDC->SelectObject(&shadow);
    pDC->BitBlt(rect.left, rect.top, width, height, &mono, 0, 0, ROP_PSDPxax);
    pDC->SelectObject(oldBrush);
    mono.SelectObject(old);
}

void SECOwnerDrawButton::OnLButtonUp(UINT nFlags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    const bool click = (GetState() & BST_PUSHED) && GetCapture() == this && client.PtInRect(point);
    CButton::OnLButtonUp(nFlags, point);
    if (click)
        Clicked();
}

void SECOwnerDrawButton::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const bool click = nChar == VK_SPACE && (GetState() & BST_PUSHED);
    CButton::OnKeyUp(nChar, nRepCnt, nFlags);
    if (click)
        Clicked();
}

void SECOwnerDrawButton::OnSysColorChange() {
    CButton::OnSysColorChange();
    ReadSystemColors();
    Invalidate();
}
