#include "wintoolkit/frame/SECFrameWnd.h"

#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/frame/SECFrameDocking.h"

IMPLEMENT_DYNCREATE(SECFrameWnd, CFrameWnd)

SECFrameWnd::SECFrameWnd()
    : m_nCaptionAlignment(0), m_bSuppressCaptionText(FALSE), m_bCaptionGradient(FALSE) {}

void SECFrameWnd::RecalcLayout(BOOL bNotify) {
    CFrameWnd::RecalcLayout(bNotify);
    SECFrameDocking::RecalcLayout(*this, m_rectLastLayout);
}

void SECFrameWnd::DockControlBarSized(CControlBar* pBar, UINT nDockBarID, int nColumn, int nRow,
                                      float fWidthFraction, int nLength) {
    SECFrameDocking::DockSized(*this, pBar, nDockBarID, nColumn, nRow, fWidthFraction, nLength,
                               false);
}

void SECFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    DockControlBarAt(pBar, pDockBar, lpRect);
}

void SECFrameWnd::DockControlBarAt(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    SECFrameDocking::DockAt(*this, pBar, pDockBar, lpRect, false);
}

void SECFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    SECFrameDocking::ReDock(*this, pBar, pDockBar, lpRect, false);
}

void SECFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
    SECFrameDocking::Float(*this, pBar, point, dwStyle, false, false);
}

BOOL SECFrameWnd::EnableCaptionGradient(BOOL bEnable, BOOL) {
    const BOOL previous = m_bCaptionGradient;
    m_bCaptionGradient = bEnable;
    return previous;
}

void SECFrameWnd::DrawCaption(CWnd*, int) {
    // The window manager draws the caption.
}

LRESULT SECFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOLORCHANGE)
        secData.UpdateSysColors();
    if (m_bCaptionGradient &&
        (message == WM_NCLBUTTONDOWN || message == WM_NCMBUTTONDOWN || message == WM_NCRBUTTONDOWN))
        DrawCaption(this, m_nCaptionAlignment);
    return CFrameWnd::WindowProc(message, wParam, lParam);
}
