#include "platform/ui/CToolBarCtrl.h"

#include "platform/core/CString.h"
#include "platform/ui/BarStyles.h"
#include "platform/ui/CBitmap.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowMessages.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxGdiData.h"
#include "platform/ui/WxText.h"

#include <wx/image.h>
#include <wx/window.h>

#include <cstring>

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(AfxRegisterWndClass(0), nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CToolBarCtrl::SetButtonSize(CSize size) {
    if (size.cx <= 0 || size.cy <= 0)
        return FALSE;
    m_sizeButton = size;
    return TRUE;
}

BOOL CToolBarCtrl::SetBitmapSize(CSize size) {
    if (size.cx <= 0 || size.cy <= 0)
        return FALSE;
    m_sizeImage = size;
    return TRUE;
}

BOOL CToolBarCtrl::SetImages(CBitmap* pBitmap, int nImages) {
    m_pImages = pBitmap;
    m_nImages = pBitmap ? nImages : 0;
    Invalidate();
    return pBitmap != nullptr;
}

void CToolBarCtrl::SetButtons(const std::vector<TBBUTTON>& buttons) {
    m_buttons = buttons;
    m_rects.assign(buttons.size(), CRect());
    m_nPressed = m_nHot = -1;
    Invalidate();
}

BOOL CToolBarCtrl::GetButton(int nIndex, TBBUTTON* pButton) const {
    if (nIndex < 0 || nIndex >= GetButtonCount() || !pButton)
        return FALSE;
    *pButton = m_buttons[static_cast<size_t>(nIndex)];
    return TRUE;
}

BOOL CToolBarCtrl::SetButton(int nIndex, const TBBUTTON& button) {
    if (nIndex < 0 || nIndex >= GetButtonCount())
        return FALSE;
    TBBUTTON& old = m_buttons[static_cast<size_t>(nIndex)];
    const bool changed = std::memcmp(&old, &button, sizeof button) != 0;
    old = button;
    if (changed && GetSafeHwnd())
        InvalidateRect(&m_rects[static_cast<size_t>(nIndex)]);
    return TRUE;
}

void CToolBarCtrl::SetItemRects(const std::vector<CRect>& rects) {
    m_rects = rects;
    m_rects.resize(m_buttons.size());
    Invalidate();
}

BOOL CToolBarCtrl::GetItemRect(int nIndex, LPRECT lpRect) const {
    if (nIndex < 0 || nIndex >= GetButtonCount() || !lpRect)
        return FALSE;
    *lpRect = m_rects[static_cast<size_t>(nIndex)];
    return TRUE;
}

int CToolBarCtrl::HitTest(CPoint point) const {
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (!(m_buttons[i].fsStyle & TBSTYLE_SEP) && m_rects[i].PtInRect(point))
            return static_cast<int>(i);
    return -1;
}

CString CToolBarCtrl::GetToolTipText(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetButtonCount())
        return CString();
    CString full;
    full.LoadString(static_cast<UINT>(m_buttons[static_cast<size_t>(nIndex)].idCommand));
    const int newline = full.Find('\n');
    return newline < 0 ? CString() : full.Mid(newline + 1);
}

void CToolBarCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    CDC images;
    images.CreateCompatibleDC(&dc);
    CBitmap* old = m_pImages ? images.SelectObject(m_pImages) : nullptr;
    // The pictures' pixels, for the greyed buttons' embossed outlines.
    wxImage pixels;
    if (m_pImages && m_pImages->GetData() && m_pImages->GetData()->bitmap.IsOk())
        pixels = m_pImages->GetData()->bitmap.ConvertToImage();
    for (int i = 0; i < GetButtonCount(); ++i)
        DrawButton(dc, images, i, pixels);
    if (old)
        images.SelectObject(old);
}

void CToolBarCtrl::DrawButton(CDC& dc, CDC& images, int nIndex, const wxImage& pixels) {
    const TBBUTTON& button = m_buttons[static_cast<size_t>(nIndex)];
    const CRect rect = m_rects[static_cast<size_t>(nIndex)];
    if (button.fsStyle & TBSTYLE_SEP)
        return;
    const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
    const bool down = (button.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    // Checked and indeterminate buttons show a lighter, hatched-looking face.
    if ((button.fsState & (TBSTATE_CHECKED | TBSTATE_INDETERMINATE)) &&
        !(button.fsState & TBSTATE_PRESSED)) {
        CRect face = rect;
        face.DeflateRect(1, 1);
        dc.FillSolidRect(&face, light);
    }
    dc.Draw3dRect(&rect, down ? dark : light, down ? light : dark);
    if (!m_pImages || button.iBitmap < 0 || button.iBitmap >= m_nImages)
        return;
    const int offset = down ? 1 : 0;
    const int x = rect.left + (rect.Width() - m_sizeImage.cx) / 2 + offset;
    const int y = rect.top + (rect.Height() - m_sizeImage.cy) / 2 + offset;
    if (enabled && !(button.fsState & TBSTATE_INDETERMINATE)) {
        dc.BitBlt(x, y, m_sizeImage.cx, m_sizeImage.cy, &images, button.iBitmap * m_sizeImage.cx, 0,
                  SRCCOPY);
        return;
    }
    if (pixels.IsOk()) {
        DrawEmbossed(dc, pixels, button.iBitmap, CPoint(x, y));
        return;
    }
    // Greyed or indeterminate: a dither of the highlight and shadow colours over the image's place.
    for (int dy = 0; dy < m_sizeImage.cy; ++dy)
        for (int dx = 0; dx < m_sizeImage.cx; dx += 2)
            dc.SetPixel(x + dx + (dy & 1), y + dy, (dx + dy) % 4 ? light : dark);
}

void CToolBarCtrl::DrawEmbossed(CDC& dc, const wxImage& pixels, int nImage, CPoint at) const {
    // The picture's dark pixels (not the face and not light ones) as a shadow over a highlight
    // one pixel down and to the right; the rest stays the face.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int left = nImage * m_sizeImage.cx;
    auto ink = [&](int dx, int dy) {
        const int px = left + dx;
        if (px >= pixels.GetWidth() || dy >= pixels.GetHeight())
            return false;
        const int r = pixels.GetRed(px, dy), g = pixels.GetGreen(px, dy),
                  b = pixels.GetBlue(px, dy);
        if (RGB(r, g, b) == face)
            return false;
        return (r * 30 + g * 59 + b * 11) / 100 < 200;
    };
    for (int pass = 0; pass < 2; ++pass) {
        const COLORREF colour = GetSysColor(pass == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
        const int shift = pass == 0 ? 1 : 0;
        for (int dy = 0; dy < m_sizeImage.cy; ++dy)
            for (int dx = 0; dx < m_sizeImage.cx; ++dx)
                if (ink(dx, dy))
                    dc.SetPixel(at.x + dx + shift, at.y + dy + shift, colour);
    }
}

void CToolBarCtrl::OnLButtonDown(UINT, CPoint point) {
    m_nPressed = HitTest(point);
    if (m_nPressed < 0)
        return;
    TBBUTTON button = m_buttons[static_cast<size_t>(m_nPressed)];
    if (!(button.fsState & TBSTATE_ENABLED)) {
        m_nPressed = -1;
        return;
    }
    button.fsState |= TBSTATE_PRESSED;
    SetButton(m_nPressed, button);
    SetCapture();
}

void CToolBarCtrl::OnLButtonUp(UINT, CPoint point) {
    const int pressed = m_nPressed;
    if (pressed < 0)
        return;
    m_nPressed = -1;
    if (GetCapture() == this)
        ReleaseCapture();
    TBBUTTON button = m_buttons[static_cast<size_t>(pressed)];
    button.fsState &= static_cast<BYTE>(~TBSTATE_PRESSED);
    const bool chosen = HitTest(point) == pressed;
    if (chosen && (button.fsStyle & TBSTYLE_CHECK))
        button.fsState ^= TBSTATE_CHECKED;
    SetButton(pressed, button);
    if (chosen)
        if (CWnd* owner = Owner())
            owner->SendMessage(WM_COMMAND, static_cast<WPARAM>(button.idCommand),
                               reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CToolBarCtrl::OnMouseMove(UINT, CPoint point) {
    const int hot = HitTest(point);
    if (hot == m_nHot)
        return;
    m_nHot = hot;
    if (wxWindow* window = GetSafeHwnd())
        window->SetToolTip(ToWx(GetToolTipText(hot)));
    Prompt(hot < 0 ? AFX_IDS_IDLEMESSAGE
                   : static_cast<UINT>(m_buttons[static_cast<size_t>(hot)].idCommand));
}

void CToolBarCtrl::OnCaptureChanged(CWnd*) {
    if (m_nPressed < 0)
        return;
    TBBUTTON button = m_buttons[static_cast<size_t>(m_nPressed)];
    button.fsState &= static_cast<BYTE>(~TBSTATE_PRESSED);
    SetButton(m_nPressed, button);
    m_nPressed = -1;
}

CWnd* CToolBarCtrl::Owner() const {
    return m_pOwner ? m_pOwner : GetParent();
}

void CToolBarCtrl::Prompt(UINT nID) {
    if (CWnd* owner = Owner())
        owner->SendMessage(WM_SETMESSAGESTRING, nID);
}
