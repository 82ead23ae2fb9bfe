#include "platform/ui/CMiniDockFrameWnd.h"

#include "platform/ui/CDockBar.h"
#include "platform/ui/CDockContext.h"
#include "platform/ui/WindowStyles.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

CMiniDockFrameWnd::CMiniDockFrameWnd() = default;

CMiniDockFrameWnd::~CMiniDockFrameWnd() {
    if (m_pDockBar && m_pDockBar->m_pDockSite)
        m_pDockBar->m_pDockSite->RemoveControlBar(m_pDockBar.get());
}

CDockBar* CMiniDockFrameWnd::NewDockBar() {
    return new CDockBar(TRUE);
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE | MFS_4THICKFRAME |
                  MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (!(dwBarStyle & CBRS_SIZE_DYNAMIC))
        style |= MFS_MOVEFRAME;
    if (!CMiniFrameWnd::Create(nullptr, "", style, rectDefault, pParent))
        return FALSE;
    m_pDockBar.reset(NewDockBar());
    const DWORD align =
        (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    if (!m_pDockBar->Create(this, align | (dwBarStyle & CBRS_FLOAT_MULTI) | WS_CHILD | WS_VISIBLE,
                            AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    // The dock bar is one of the docking frame's bars: its layout is saved and restored there.
    RemoveControlBar(m_pDockBar.get());
    if (auto* frame = dynamic_cast<CFrameWnd*>(pParent)) {
        m_pDockBar->m_pDockSite = frame;
        frame->AddControlBar(m_pDockBar.get());
    }
    return TRUE;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL) {
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    const FrameGeometry geometry = GetFrameGeometry();
    CRect measured;
    const CRect huge(0, 0, 32767, 32767);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &measured, &huge, FALSE);
    const CRect inside(CPoint(geometry.border, geometry.border + geometry.caption),
                       measured.Size());
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &inside, TRUE);
    CRect window(CPoint(0, 0), measured.Size());
    CalcWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pDockBar) {
        CString text;
        m_pDockBar->GetWindowText(text);
        SetWindowText(text.Left(260));
    }
    Invalidate();
    m_bInRecalcLayout = FALSE;
}

CControlBar* CMiniDockFrameWnd::FirstBar() const {
    if (!m_pDockBar)
        return nullptr;
    for (int i = 0; i < m_pDockBar->m_arrBars.GetSize(); ++i) {
        if (CControlBar* bar = m_pDockBar->GetDockedControlBar(i))
            return bar;
    }
    return nullptr;
}

LRESULT CMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CMiniFrameWnd::WindowProc(message, wParam, lParam);
}

LRESULT CMiniDockFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int hit = static_cast<int>(wParam);
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const bool multi = m_pDockBar && (m_pDockBar->GetBarStyle() & CBRS_FLOAT_MULTI);
    CControlBar* bar = FirstBar();
    if (message == WM_NCLBUTTONDOWN && bar && bar->m_pDockContext) {
        if (hit == HTCAPTION && !multi) {
            bar->m_pDockContext->StartDrag(point);
            return 0;
        }
        if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT && GetFrameGeometry().sizable) {
            bar->m_pDockContext->StartResize(hit, point);
            return 0;
        }
    }
    if (message == WM_NCLBUTTONDBLCLK && hit == HTCAPTION && !multi && bar && bar->m_pDockContext) {
        bar->m_pDockContext->ToggleDocking();
        return 0;
    }
    return CMiniFrameWnd::DefWindowProc(message, wParam, lParam);
}

void CMiniDockFrameWnd::OnClose() {
    if (m_pDockBar)
        m_pDockBar->ShowAll(FALSE);
}
