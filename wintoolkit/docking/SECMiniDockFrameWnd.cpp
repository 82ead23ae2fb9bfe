#include "wintoolkit/docking/SECMiniDockFrameWnd.h"

#include "wintoolkit/docking/SECDockBar.h"

IMPLEMENT_DYNCREATE(SECMiniDockFrameWnd, CMiniDockFrameWnd)

CDockBar* SECMiniDockFrameWnd::NewDockBar() {
    return new SECDockBar(TRUE, FALSE);
}

void SECMiniDockFrameWnd::RecalcLayoutAt(int x, int y) {
    if (m_bInRecalcLayout)
        return;
    RecalcLayout(TRUE);
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SECMiniDockFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCLBUTTONDOWN)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return CMiniDockFrameWnd::DefWindowProc(message, wParam, lParam);
}
