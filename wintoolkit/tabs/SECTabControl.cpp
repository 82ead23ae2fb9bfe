#include "wintoolkit/tabs/SECTabControl.h"

#include "platform/ui/CClientDC.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CRgn.h"
#include "platform/ui/StockObjects.h"
#include "platform/ui/SystemSettings.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(SECTabControl, SECTabControlBase)

namespace {
constexpr UINT_PTR kRepeatTimer = 1;
constexpr int kTabPadding = 20;
constexpr BYTE kSwissFamily = 0x20;
} // namespace

SECTabControl::SECTabControl()
    : m_nScrollOffset(0), m_nTabHeight(0), m_textColors{0, 0, 0}, m_nButtonMask(0),
      m_nPressedButton(0), m_nDisabledButtons(0), m_nButtonWidth(0), m_nButtonHeight(0),
      m_bRepeating(FALSE), m_nRepeatSteps(0) {}

void SECTabControl::Initialize(DWORD dwStyle) {
    m_nButtonMask = (dwStyle & TWS_TABS_PREVNEXT)     ? SECTAB_BTN_PREV | SECTAB_BTN_NEXT
                    : (dwStyle & TWS_TABS_ALLBUTTONS) ? 15u
                                                      : 0u;
    m_nTabHeight = m_nButtonWidth = m_nButtonHeight = GetSystemMetrics(SM_CYHSCROLL) + 1;
    const int weights[3] = {FW_NORMAL, FW_NORMAL, FW_BOLD};
    const int colours[3] = {COLOR_BTNFACE, COLOR_WINDOW, COLOR_WINDOW};
    for (int i = 0; i < 3; ++i) {
        // The desktop's sans-serif face at the height the strip leaves.
        m_fonts[i].CreateFont(m_nTabHeight - 3, 0, 0, 0, weights[i], 0, 0, 0, 0, 0, 0, 0,
                              kSwissFamily, "Sans");
        m_pens[i].CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        m_brushes[i].CreateSolidBrush(GetSysColor(colours[i]));
        m_textColors[i] = RGB(0, 0, 0);
    }
    m_penShadow.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    Clamp();
}

SECTabControlGeometry SECTabControl::GetGeometry() const {
    SECTabControlGeometry g;
    GetClientRect(&g.client);
    g.buttonMask = m_nButtonMask;
    g.buttonWidth = m_nButtonWidth;
    g.buttonHeight = m_nButtonHeight;
    g.offset = m_nScrollOffset;
    for (int i = 0; i < GetTabCount(); ++i)
        g.widths.push_back(GetTab(i)->m_nWidth);
    return g;
}

void SECTabControl::RecalcLayout() {
    if (!GetSafeHwnd())
        return;
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&m_fonts[2]);
    for (int i = 0; i < GetTabCount(); ++i)
        GetTab(i)->m_nWidth = dc.GetTextExtent(GetTab(i)->m_csLabel).cx + kTabPadding;
    dc.SelectObject(old);
}

void SECTabControl::InvalidateTab(int nIndex) {
    if (!GetSafeHwnd() || nIndex < 0 || nIndex >= GetTabCount())
        return;
    CRect box = GetGeometry().TabBox(nIndex);
    InvalidateRect(&box, TRUE);
}

void SECTabControl::SetOffset(int offset) {
    if (offset == m_nScrollOffset)
        return;
    m_nScrollOffset = offset;
    CRect area = GetGeometry().TabArea();
    InvalidateRect(&area, TRUE);
    UpdateWindow();
}

void SECTabControl::Clamp() {
    SECTabControlGeometry g = GetGeometry();
    const SECTabClamp c = ClampTabOffset(g, m_nDisabledButtons);
    m_nDisabledButtons = c.disabled;
    if (c.allDisabled) {
        CRect area = g.ButtonArea();
        InvalidateRect(&area, TRUE);
        return;
    }
    for (UINT bit = 1; bit <= SECTAB_BTN_LAST; bit <<= 1) {
        if (c.changed & bit) {
            CRect button = g.ButtonRect(bit);
            InvalidateRect(&button, FALSE);
        }
    }
    SetOffset(c.offset);
}

void SECTabControl::ScrollToTab(int nIndex) {
    CRect client;
    GetClientRect(&client);
    if (client.IsRectEmpty() || nIndex < 0 || nIndex >= GetTabCount())
        return;
    const int before = m_nScrollOffset;
    m_nScrollOffset = GetGeometry().ScrollToTabOffset(nIndex);
    Clamp();
    if (before != m_nScrollOffset)
        Invalidate();
}

void SECTabControl::OnDestroy() {
    StopRepeat();
    SECTabControlBase::OnDestroy();
    for (int i = 0; i < 3; ++i) {
        m_fonts[i].DeleteObject();
        m_pens[i].DeleteObject();
        m_brushes[i].DeleteObject();
    }
    m_penShadow.DeleteObject();
}

BOOL SECTabControl::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillRect(&client, &m_brushes[0]);
    return TRUE;
}

void SECTabControl::OnSize(UINT nType, int cx, int cy) {
    Clamp();
    SECTabControlBase::OnSize(nType, cx, cy);
}

void SECTabControl::DrawTab(CDC* pDC, int nIndex, CRgn* pRgn) {
    const SECTabControlGeometry g = GetGeometry();
    const SECTab* tab = GetTab(nIndex);
    CRect box;
    pRgn->GetRgnBox(&box);
    const int x0 = g.TabLeft(nIndex);
    const int width = tab->m_nWidth;
    const CRect area = g.TabArea();
    const POINT fill[] = {{x0, area.top},
                          {x0 + 6, area.bottom},
                          {x0 + width - 7, area.bottom},
                          {x0 + width - 2, area.top}};
    CPen* kindPen = pDC->SelectObject(&m_penShadow);
    pDC->SelectStockObject(NULL_PEN);
    pDC->Polygon(fill, 4);
    pDC->SelectObject(kindPen);
    const int L = box.left, T = box.top, B = box.bottom;
    pDC->MoveTo(L, T);
    pDC->LineTo(L + 6, B - 1);
    CPen* old = pDC->SelectObject(&m_penShadow);
    pDC->LineTo(L + width - 8, B - 1);
    pDC->LineTo(L + width - 2, T);
    pDC->SelectObject(old);
    pDC->MoveTo(L + width - 7, B - 1);
    pDC->LineTo(L + width - 1, T);
    const CSize text = pDC->GetTextExtent(tab->m_csLabel);
    const int x = L + 6 + (width - 12 - text.cx) / 2;
    const int bottom = B - 1 + (T - (B - 1) + text.cy) / 2;
    pDC->TextOut(x, bottom - text.cy, tab->m_csLabel);
}

void SECTabControl::DrawButton(CDC* pDC, UINT button) {
    CRect r = GetGeometry().ButtonRect(button);
    const bool pressed = m_nPressedButton == button;
    pDC->FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
    pDC->Draw3dRect(&r, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
    CRect inner = r;
    inner.DeflateRect(1, 1);
    if (pressed)
        pDC->Draw3dRect(&inner, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    else
        pDC->Draw3dRect(&inner, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    const COLORREF glyph =
        (m_nDisabledButtons & button) ? GetSysColor(COLOR_BTNSHADOW) : RGB(0, 0, 0);
    const int w = static_cast<int>(0.3 * r.Width());
    const int h = static_cast<int>(0.55 * r.Height());
    const int shift = pressed ? 1 : 0;
    const int cx = r.left + r.Width() / 2 + shift;
    const int cy = r.top + r.Height() / 2 + shift;
    const bool left = button == SECTAB_BTN_FIRST || button == SECTAB_BTN_PREV;
    for (int i = 0; i <= w; ++i) {
        const int half = h * i / (2 * std::max(w, 1));
        const int x = left ? cx - w / 2 + i : cx + w / 2 - i;
        pDC->FillSolidRect(x, cy - half, 1, 2 * half + 1, glyph);
    }
    if (button == SECTAB_BTN_FIRST || button == SECTAB_BTN_LAST) {
        const int x = left ? cx - w / 2 - 2 : cx + w / 2 + 1;
        pDC->FillSolidRect(x, cy - h / 2, 1, h + 1, glyph);
    }
}

void SECTabControl::OnPaint() {
    CPaintDC dc(this);
    const SECTabControlGeometry g = GetGeometry();
    CRect update;
    dc.GetClipBox(&update);
    dc.SetBkMode(TRANSPARENT);
    for (UINT bit = 1; bit <= SECTAB_BTN_LAST; bit <<= 1) {
        CRect button = g.ButtonRect(bit), meet;
        if ((m_nButtonMask & bit) && meet.IntersectRect(&button, &update))
            DrawButton(&dc, bit);
    }
    const CRect area = g.TabArea();
    for (int pass = 0; pass < 3; ++pass) {
        dc.SelectObject(&m_pens[pass]);
        dc.SelectObject(&m_brushes[pass]);
        dc.SelectObject(&m_fonts[pass]);
        dc.SetTextColor(m_textColors[pass]);
        for (int i = 0; i < GetTabCount(); ++i) {
            const bool current = m_bActiveTab && i == m_nActiveTab;
            const bool selected = GetTab(i)->m_bSelected != FALSE;
            const int kind = current ? 2 : selected ? 1 : 0;
            CRect box = g.TabBox(i), meet;
            meet.IntersectRect(&box, &area);
            if (kind != pass || !meet.IntersectRect(&meet, &update))
                continue;
            const auto polygon = g.TabPolygon(i);
            CRgn rgn;
            rgn.CreatePolygonRgn(polygon.data(), 4, ALTERNATE);
            DrawTab(&dc, i, &rgn);
        }
    }
    dc.SelectObject(&m_pens[2]);
    const int top = area.top;
    if (m_bActiveTab && m_nActiveTab < GetTabCount()) {
        const CRect current = g.TabBox(m_nActiveTab);
        if (g.ButtonArea().right < current.left) {
            dc.MoveTo(area.left, top);
            dc.LineTo(current.left, top);
        }
        dc.MoveTo(current.right - 1, top);
        dc.LineTo(area.right, top);
    } else {
        dc.MoveTo(area.left, top);
        dc.LineTo(area.right, top);
    }
}

void SECTabControl::OnLButtonDown(UINT nFlags, CPoint point) {
    m_nPressedButton = 0;
    const SECTabControlGeometry g = GetGeometry();
    if (const UINT button = g.HitButton(point)) {
        PressButton(button);
        return;
    }
    const int hit = g.HitTab(point);
    if (hit >= 0) {
        if (nFlags & MK_CONTROL) {
            GetTab(hit)->m_bSelected = !GetTab(hit)->m_bSelected;
            InvalidateTab(hit);
            if (m_bActiveTab && hit == m_nActiveTab)
                m_bActiveTab = FALSE;
        } else if (nFlags & MK_SHIFT) {
            const int lo = std::min(hit, m_nActiveTab), hi = std::max(hit, m_nActiveTab);
            m_bActiveTab = FALSE;
            for (int i = 0; i < GetTabCount(); ++i) {
                const BOOL mark = i >= lo && i <= hi;
                if (GetTab(i)->m_bSelected != mark) {
                    GetTab(i)->m_bSelected = mark;
                    InvalidateTab(i);
                }
            }
            ActivateTab(hit);
        } else if (!(m_bActiveTab && hit == m_nActiveTab)) {
            for (int i = 0; i < GetTabCount(); ++i) {
                if (GetTab(i)->m_bSelected || i == hit) {
                    GetTab(i)->m_bSelected = FALSE;
                    InvalidateTab(i);
                }
            }
            ActivateTab(hit);
        }
    }
    SECTabControlBase::OnLButtonDown(nFlags, point);
}

void SECTabControl::PressButton(UINT button) {
    m_nPressedButton = button;
    CRect r = GetGeometry().ButtonRect(button);
    InvalidateRect(&r, FALSE);
    if (m_nDisabledButtons & button)
        return;
    ScrollButtonStep(button);
    // Held down, the button repeats until the mouse lets it go.
    SetCapture();
    m_bRepeating = TRUE;
    m_nRepeatSteps = 0;
    SetTimer(kRepeatTimer, SECTabAutoRepeat::kFirstDelay, nullptr);
}

void SECTabControl::ScrollButtonStep(UINT button) {
    if (m_nDisabledButtons & button)
        return;
    m_nScrollOffset = GetGeometry().ButtonOffset(button);
    Clamp();
    Invalidate();
}

void SECTabControl::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kRepeatTimer || !m_bRepeating)
        return SECTabControlBase::OnTimer(nIDEvent);
    if (m_nPressedButton == SECTAB_BTN_PREV || m_nPressedButton == SECTAB_BTN_NEXT)
        ScrollButtonStep(m_nPressedButton);
    if (m_nRepeatSteps++ == 0) {
        KillTimer(kRepeatTimer);
        SetTimer(kRepeatTimer, SECTabAutoRepeat::kRepeatDelay, nullptr);
    }
}

void SECTabControl::StopRepeat() {
    if (!m_bRepeating)
        return;
    m_bRepeating = FALSE;
    KillTimer(kRepeatTimer);
    if (GetCapture() == this)
        ReleaseCapture();
}

void SECTabControl::OnCaptureChanged(CWnd* pWnd) {
    if (m_bRepeating) {
        m_bRepeating = FALSE;
        KillTimer(kRepeatTimer);
    }
    SECTabControlBase::OnCaptureChanged(pWnd);
}

void SECTabControl::OnLButtonUp(UINT nFlags, CPoint point) {
    StopRepeat();
    if (m_nPressedButton & m_nButtonMask) {
        CRect r = GetGeometry().ButtonRect(m_nPressedButton);
        InvalidateRect(&r, FALSE);
    }
    m_nPressedButton = 0;
    SECTabControlBase::OnLButtonUp(nFlags, point);
}

void SECTabControl::OnLButtonDblClk(UINT nFlags, CPoint point) {
    const SECTabControlGeometry g = GetGeometry();
    if (const UINT button = g.HitButton(point)) {
        PressButton(button);
        return;
    }
    SECTabControlBase::OnLButtonDblClk(nFlags, point);
    const int hit = g.HitTab(point);
    NotifyParent(TCM_TABDBLCLK, static_cast<WPARAM>(hit < 0 ? 0 : hit));
}
