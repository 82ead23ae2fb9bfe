#include "wintoolkit/tabs/SECTabWnd.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CResourceException.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/tabs/SECTabControl.h"

IMPLEMENT_DYNCREATE(SECTabWnd, SECTabWndBase)

namespace {

constexpr DWORD kButtonBits = TWS_TABS_PREVNEXT | TWS_TABS_ALLBUTTONS;

} // namespace

SECTabWnd::SECTabWnd()
    : m_nTabStripWidth(0), m_nTabStripHeight(GetSystemMetrics(SM_CYHSCROLL)),
      m_nVBarWidth(GetSystemMetrics(SM_CXVSCROLL)), m_nHBarHeight(GetSystemMetrics(SM_CYHSCROLL)),
      m_nSplitterWidth(5), m_nDragOffset(0), m_bDragging(FALSE), m_bOverSplitter(FALSE),
      m_bFirstSize(TRUE), m_hcurSplit(nullptr), m_hcurArrow(nullptr), m_dwButtonMode(0) {}

SECTabWnd::~SECTabWnd() {
    for (int i = 0; i < m_arrHScrollInfo.GetSize(); ++i)
        delete static_cast<SCROLLINFO*>(m_arrHScrollInfo[i]);
    for (int i = 0; i < m_arrVScrollInfo.GetSize(); ++i)
        delete static_cast<SCROLLINFO*>(m_arrVScrollInfo[i]);
}

BOOL SECTabWnd::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_dwButtonMode = (dwStyle & TWS_TABS_ALLBUTTONS) ? TWS_TABS_ALLBUTTONS
                     : (dwStyle & TWS_TABS_PREVNEXT) ? TWS_TABS_PREVNEXT
                                                     : 0;
    if (!SECTabWndBase::Create(pParentWnd, dwStyle & ~kButtonBits, nID))
        return FALSE;
    // The splitter's cursor is not among the resources: the system's horizontal sizing one.
    m_hcurSplit = LoadCursor(nullptr, IDC_SIZEWE);
    m_hcurArrow = LoadCursor(nullptr, IDC_ARROW);
    if (!CreateScrollBar(SBS_HORZ, SECTABWND_ID_HSCROLL) ||
        !CreateScrollBar(SBS_VERT, SECTABWND_ID_VSCROLL))
        AfxThrowResourceException();
    m_nTabStripHeight = GetSystemMetrics(SM_CYHSCROLL);
    m_nVBarWidth = GetSystemMetrics(SM_CXVSCROLL);
    m_nHBarHeight = GetSystemMetrics(SM_CYHSCROLL);
    return TRUE;
}

BOOL SECTabWnd::CreateTabCtrl(DWORD, UINT nID) {
    auto* control = new SECTabControl;
    m_pTabCtrl = control;
    return control->Create(m_dwButtonMode | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID);
}

// ---- the per-tab entries ----

void SECTabWnd::SetTabScrollFlags(int nIndex, DWORD dwFlags) {
    // A new tab in the middle gets its entry at its index; an existing one is replaced.
    const bool inserted = m_arrScrollFlags.GetSize() < GetTabCount();
    if (!inserted && nIndex >= 0 && nIndex < m_arrScrollFlags.GetSize()) {
        m_arrScrollFlags[nIndex] = dwFlags;
        return;
    }
    const int at = std::min(std::max(nIndex, 0), static_cast<int>(m_arrScrollFlags.GetSize()));
    m_arrScrollFlags.InsertAt(at, dwFlags);
    m_arrHScrollInfo.InsertAt(at, new SCROLLINFO{});
    m_arrVScrollInfo.InsertAt(at, new SCROLLINFO{});
}

DWORD SECTabWnd::GetTabScrollFlags(int nIndex) const {
    return nIndex >= 0 && nIndex < m_arrScrollFlags.GetSize() ? m_arrScrollFlags[nIndex] : 0;
}

void SECTabWnd::FreeEntry(int nIndex) {
    if (nIndex < 0 || nIndex >= m_arrScrollFlags.GetSize())
        return;
    delete static_cast<SCROLLINFO*>(m_arrHScrollInfo[nIndex]);
    delete static_cast<SCROLLINFO*>(m_arrVScrollInfo[nIndex]);
    m_arrHScrollInfo.RemoveAt(nIndex);
    m_arrVScrollInfo.RemoveAt(nIndex);
    m_arrScrollFlags.RemoveAt(nIndex);
}

void SECTabWnd::DeleteTab(int nIndex) {
    FreeEntry(nIndex);
    SECTabWndBase::DeleteTab(nIndex);
}

BOOL SECTabWnd::UsesBar(CWnd* pWnd, DWORD bit) const {
    int index = 0;
    return pWnd && FindTab(pWnd, index) && (GetTabScrollFlags(index) & bit) != 0;
}

CWnd* SECTabWnd::GetScrollBar(int nBar, CWnd* pWnd) const {
    if (!pWnd)
        pWnd = m_pActiveWnd;
    if (!pWnd)
        return nullptr;
    if (nBar == SB_HORZ && UsesBar(pWnd, WS_HSCROLL))
        return GetDlgItem(SECTABWND_ID_HSCROLL);
    if (nBar == SB_VERT && UsesBar(pWnd, WS_VSCROLL))
        return GetDlgItem(SECTABWND_ID_VSCROLL);
    return nullptr;
}

// ---- activation ----

void SECTabWnd::ActivateTab(CWnd* pWnd, int nIndex) {
    if (pWnd != m_pActiveWnd) {
        auto* hbar = dynamic_cast<CScrollBar*>(GetDlgItem(SECTABWND_ID_HSCROLL));
        auto* vbar = dynamic_cast<CScrollBar*>(GetDlgItem(SECTABWND_ID_VSCROLL));
        int index = 0;
        if (m_pActiveWnd && FindTab(m_pActiveWnd, index) && index < m_arrScrollFlags.GetSize()) {
            if (hbar && UsesBar(m_pActiveWnd, WS_HSCROLL))
                hbar->GetScrollInfo(static_cast<SCROLLINFO*>(m_arrHScrollInfo[index]), SIF_ALL);
            if (vbar && UsesBar(m_pActiveWnd, WS_VSCROLL))
                vbar->GetScrollInfo(static_cast<SCROLLINFO*>(m_arrVScrollInfo[index]), SIF_ALL);
        }
        if (pWnd && nIndex >= 0 && nIndex < m_arrScrollFlags.GetSize()) {
            const DWORD flags = m_arrScrollFlags[nIndex];
            for (auto [bar, bit, infos] : {std::tuple{hbar, WS_HSCROLL, &m_arrHScrollInfo},
                                           std::tuple{vbar, WS_VSCROLL, &m_arrVScrollInfo}}) {
                if (!bar)
                    continue;
                if (flags & bit) {
                    auto* info = static_cast<SCROLLINFO*>((*infos)[nIndex]);
                    info->fMask = SIF_ALL;
                    bar->SetScrollInfo(info, TRUE);
                    bar->ShowWindow(SW_SHOW);
                } else {
                    bar->ShowWindow(SW_HIDE);
                }
            }
        }
    }
    SECTabWndBase::ActivateTab(pWnd, nIndex);
}

// ---- layout ----

SECTabWndLayout SECTabWnd::GetLayout() const {
    SECTabWndLayout layout;
    GetClientRect(&layout.client);
    layout.stripWidth = m_nTabStripWidth;
    layout.stripHeight = m_nTabStripHeight;
    layout.vbarWidth = m_nVBarWidth;
    layout.hbarHeight = m_nHBarHeight;
    layout.splitterWidth = m_nSplitterWidth;
    layout.usesHorz = UsesBar(m_pActiveWnd, WS_HSCROLL);
    layout.usesVert = UsesBar(m_pActiveWnd, WS_VSCROLL);
    return layout;
}

void SECTabWnd::Place(CWnd* pWnd, const CRect& rect, bool scrollBar) {
    if (!pWnd || !pWnd->GetSafeHwnd())
        return;
    if (scrollBar) {
        const bool thin = rect.Width() <= 1 || rect.Height() <= 1;
        pWnd->ModifyStyle(thin ? 0 : WS_BORDER, thin ? WS_BORDER : 0);
    }
    CRect old;
    pWnd->GetWindowRect(&old);
    ScreenToClient(&old);
    if (old == rect)
        return;
    pWnd->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOCOPYBITS | SWP_NOREDRAW);
}

void SECTabWnd::RecalcLayout() {
    if (!GetSafeHwnd())
        return;
    SECTabWndLayout layout = GetLayout();
    if (layout.usesHorz) {
        layout.LimitStripWidth();
        m_nTabStripWidth = layout.stripWidth;
        Place(GetDlgItem(SECTABWND_ID_HSCROLL), layout.HorzBar(), true);
    }
    Place(m_pTabCtrl, layout.TabCtrl(), false);
    if (!m_bDragging) {
        if (layout.usesVert)
            Place(GetDlgItem(SECTABWND_ID_VSCROLL), layout.VertBar(), true);
        Place(m_pActiveWnd, layout.Inside(), false);
    }
}

void SECTabWnd::OnSize(UINT nType, int cx, int cy) {
    if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0) {
        SECTabWndLayout layout = GetLayout();
        layout.Size(cx, m_bFirstSize != FALSE);
        m_nTabStripWidth = layout.stripWidth;
        m_bFirstSize = FALSE;
        RecalcLayout();
        if (m_pTabCtrl)
            m_pTabCtrl->Invalidate(TRUE);
        if (layout.usesHorz) {
            const CRect splitter = GetLayout().Splitter();
            InvalidateRect(&splitter, TRUE);
        }
    }
    SECTabWndBase::OnSize(nType, cx, cy);
}

// ---- drawing ----

void SECTabWnd::OnPaint() {
    CPaintDC dc(this);
    if (m_pTabCtrl && m_pTabCtrl->GetSafeHwnd())
        m_pTabCtrl->Invalidate(FALSE);
    if (!UsesBar(m_pActiveWnd, WS_HSCROLL))
        return;
    const CRect splitter = GetLayout().Splitter();
    const COLORREF colours[5] = {RGB(0, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT),
                                 GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW),
                                 RGB(0, 0, 0)};
    for (int i = 0; i < 5; ++i)
        dc.FillSolidRect(splitter.left + i, splitter.top, 1, splitter.Height(), colours[i]);
}

BOOL SECTabWnd::OnEraseBkgnd(CDC* pDC) {
    if (UsesBar(m_pActiveWnd, WS_HSCROLL) && UsesBar(m_pActiveWnd, WS_VSCROLL)) {
        CRect client;
        GetClientRect(&client);
        CRect corner(client.right - m_nVBarWidth + 1, client.top, client.right, client.bottom);
        pDC->FillSolidRect(&corner, GetSysColor(COLOR_BTNFACE));
    }
    return TRUE;
}

// ---- the splitter ----

void SECTabWnd::OnMouseMove(UINT nFlags, CPoint point) {
    if (UsesBar(m_pActiveWnd, WS_HSCROLL)) {
        if (m_bDragging && point.x != m_nTabStripWidth) {
            const int old = m_nTabStripWidth;
            m_nTabStripWidth = point.x - m_nDragOffset - 1;
            RecalcLayout();
            const SECTabWndLayout layout = GetLayout();
            if (m_pTabCtrl) {
                CRect strip(std::min(old, m_nTabStripWidth), 0,
                            std::max(old, m_nTabStripWidth) + m_nSplitterWidth, m_nTabStripHeight);
                m_pTabCtrl->InvalidateRect(&strip, TRUE);
            }
            const CRect splitter = layout.Splitter();
            InvalidateRect(&splitter, TRUE);
            UpdateWindow();
        } else if (!m_bDragging) {
            m_bOverSplitter = GetLayout().Splitter().PtInRect(point);
        }
    }
    SECTabWndBase::OnMouseMove(nFlags, point);
}

void SECTabWnd::OnLButtonDown(UINT nFlags, CPoint point) {
    OnMouseMove(nFlags, point);
    const CRect splitter = GetLayout().Splitter();
    if (UsesBar(m_pActiveWnd, WS_HSCROLL) && splitter.PtInRect(point)) {
        SetCapture();
        m_bDragging = TRUE;
        m_nDragOffset = point.x - splitter.left;
    }
    SECTabWndBase::OnLButtonDown(nFlags, point);
}

void SECTabWnd::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bDragging) {
        m_bDragging = FALSE;
        ReleaseCapture();
        RecalcLayout();
    }
    SECTabWndBase::OnLButtonUp(nFlags, point);
}

BOOL SECTabWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (pWnd == this && nHitTest == HTCLIENT && m_bOverSplitter) {
        ::SetCursor(m_hcurSplit);
        return TRUE;
    }
    return SECTabWndBase::OnSetCursor(pWnd, nHitTest, message);
}

LRESULT SECTabWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL || message == WM_VSCROLL) {
        // The shared bars scroll the active client.
        if (m_pActiveWnd && m_pActiveWnd->GetSafeHwnd())
            m_pActiveWnd->SendMessage(message, wParam, lParam);
        return 0;
    }
    return SECTabWndBase::WindowProc(message, wParam, lParam);
}
