#include "platform/ui/CScrollBar.h"

#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxWindowInfo.h"

#include <algorithm>
#include <wx/scrolbar.h>

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!pParentWnd || !pParentWnd->GetSafeHwnd() || GetSafeHwnd())
        return FALSE;
    m_bVertical = (dwStyle & SBS_VERT) != 0;
    const CRect r(rect);
    auto* bar = new wxScrollBar(pParentWnd->GetSafeHwnd(), WxIdOf(nID), wxPoint(r.left, r.top),
                                wxSize(r.Width(), r.Height()),
                                m_bVertical ? wxSB_VERTICAL : wxSB_HORIZONTAL);
    // Ids above the window system's range live in the window's record.
    EnsureInfo(bar).controlId = nID;
    if (!Attach(bar)) {
        bar->Destroy();
        return FALSE;
    }
    bar->Show((dwStyle & WS_VISIBLE) != 0);
    const auto forward = [this, bar](wxScrollEvent& event, UINT code) {
        event.Skip();
        m_info.nPos = bar->GetThumbPosition() + m_info.nMin;
        m_info.nTrackPos = event.GetPosition();
        CWnd* parent = GetParent();
        if (parent) {
            const WPARAM wParam = MAKEWPARAM(code, static_cast<WORD>(event.GetPosition()));
            parent->SendMessage(m_bVertical ? WM_VSCROLL : WM_HSCROLL, wParam,
                                reinterpret_cast<LPARAM>(this));
        }
    };
    const std::pair<wxEventTypeTag<wxScrollEvent>, UINT> events[] = {
        {wxEVT_SCROLL_LINEUP, SB_LINEUP},
        {wxEVT_SCROLL_LINEDOWN, SB_LINEDOWN},
        {wxEVT_SCROLL_PAGEUP, SB_PAGEUP},
        {wxEVT_SCROLL_PAGEDOWN, SB_PAGEDOWN},
        {wxEVT_SCROLL_THUMBTRACK, SB_THUMBTRACK},
        {wxEVT_SCROLL_THUMBRELEASE, SB_THUMBPOSITION},
        {wxEVT_SCROLL_TOP, SB_TOP},
        {wxEVT_SCROLL_BOTTOM, SB_BOTTOM},
        {wxEVT_SCROLL_CHANGED, SB_ENDSCROLL}};
    for (const auto& [type, code] : events) {
        const UINT c = code;
        bar->Bind(type, [forward, c](wxScrollEvent& event) { forward(event, c); });
    }
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) const {
    if (!lpScrollInfo)
        return FALSE;
    const UINT mask = nMask ? nMask : lpScrollInfo->fMask;
    if (mask & SIF_RANGE) {
        lpScrollInfo->nMin = m_info.nMin;
        lpScrollInfo->nMax = m_info.nMax;
    }
    if (mask & SIF_PAGE)
        lpScrollInfo->nPage = m_info.nPage;
    if (mask & SIF_POS)
        lpScrollInfo->nPos = m_info.nPos;
    if (mask & SIF_TRACKPOS)
        lpScrollInfo->nTrackPos = m_info.nTrackPos;
    lpScrollInfo->fMask = mask;
    return TRUE;
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
    if (!lpScrollInfo)
        return FALSE;
    const UINT mask = lpScrollInfo->fMask;
    if (mask & SIF_RANGE) {
        m_info.nMin = lpScrollInfo->nMin;
        m_info.nMax = lpScrollInfo->nMax;
    }
    if (mask & SIF_PAGE)
        m_info.nPage = lpScrollInfo->nPage;
    if (mask & SIF_POS)
        m_info.nPos = lpScrollInfo->nPos;
    Apply(bRedraw);
    return TRUE;
}

int CScrollBar::GetScrollPos() const {
    return m_info.nPos;
}

int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) {
    const int old = m_info.nPos;
    m_info.nPos = nPos;
    Apply(bRedraw);
    return old;
}

void CScrollBar::Apply(BOOL bRedraw) {
    // The position stays within what the range and the page leave.
    const int page = static_cast<int>(m_info.nPage);
    const int high = std::max(m_info.nMin, m_info.nMax - std::max(page - 1, 0));
    m_info.nPos = std::clamp(m_info.nPos, m_info.nMin, high);
    auto* bar = dynamic_cast<wxScrollBar*>(GetSafeHwnd());
    if (!bar)
        return;
    const int range = m_info.nMax - m_info.nMin + 1;
    bar->SetScrollbar(m_info.nPos - m_info.nMin, std::max(page, 1), std::max(range, 1),
                      std::max(page, 1), bRedraw != FALSE);
}
