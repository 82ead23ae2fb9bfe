#include "wintoolkit/frame/SECControlBarMDIChildWnd.h"

#include "platform/ui/CDockContext.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/docking/SECControlBar.h"

IMPLEMENT_DYNCREATE(SECControlBarMDIChildWnd, CMDIChildWnd)

SECControlBarMDIChildWnd::SECControlBarMDIChildWnd()
    : m_wndDockBar(TRUE, TRUE), m_bCreating(FALSE) {}

BOOL SECControlBarMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL SECControlBarMDIChildWnd::Create(CWnd* pParentFrame, DWORD dwBarStyle) {
    auto* frame = dynamic_cast<CMDIFrameWnd*>(pParentFrame);
    if (!frame)
        return FALSE;
    m_bCreating = TRUE;
    // Sized for a bar of the toolkit's default size until its bar gives it one.
    CRect rect(CPoint(0, 0), SECControlBar::s_sizeDefault);
    rect.InflateRect(kBorder, kBorder + kCaptionHeight, kBorder, kBorder);
    rect.OffsetRect(-rect.left, -rect.top);
    BOOL ok = CMDIChildWnd::Create(AfxRegisterWndClass(CS_DBLCLKS), "",
                                   WS_CHILD | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW, rect, frame);
    const DWORD align =
        (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    ok = ok && m_wndDockBar.Create(pParentFrame,
                                   align | (dwBarStyle & CBRS_FLOAT_MULTI) | WS_CHILD | WS_VISIBLE,
                                   AFX_IDW_DOCKBAR_FLOAT);
    if (ok)
        m_wndDockBar.SetParent(this);
    m_bCreating = FALSE;
    return ok;
}

CControlBar* SECControlBarMDIChildWnd::TheBar() const {
    if (!m_wndDockBar.GetSafeHwnd() || (m_wndDockBar.GetBarStyle() & CBRS_FLOAT_MULTI))
        return nullptr;
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i) {
        if (CControlBar* bar = m_wndDockBar.GetDockedControlBar(i))
            return bar;
    }
    return nullptr;
}

void SECControlBarMDIChildWnd::RecalcLayout(BOOL bNotify) {
    if (m_bCreating)
        return;
    CMDIChildWnd::RecalcLayout(bNotify);
    CString title;
    m_wndDockBar.GetWindowText(title);
    SetWindowText(title);
    Invalidate();
}

void SECControlBarMDIChildWnd::FitBar() {
    CRect client;
    GetClientRect(&client);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
}

LRESULT SECControlBarMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CControlBar* bar = TheBar();
    switch (message) {
    case WM_SIZE:
        if (bar && bar->IsVisible() && !m_bCreating) {
            CRect inside;
            GetInsideClientRect(&inside);
            bar->CalcDynamicLayout(inside.Width() + 2 * secData.cxBorder2, LM_COMMIT | LM_MRUWIDTH);
            bar->CalcDynamicLayout(inside.Height() + 2 * secData.cyBorder2,
                                   LM_COMMIT | LM_MRUWIDTH | LM_LENGTHY);
            Invalidate();
        }
        return CMDIChildWnd::WindowProc(message, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        Default();
        if (bar && bar->m_pDockContext) {
            CRect rect;
            GetWindowRect(&rect);
            bar->m_pDockContext->m_ptMRUFloatPos = rect.TopLeft();
        }
        return 0;
    case WM_SHOWWINDOW:
        if (auto* main = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd()); main && main->GetMDIClient())
            main->GetMDIClient()->PostMessage(WM_MDIREFRESHMENU);
        return 0;
    default:
        return CMDIChildWnd::WindowProc(message, wParam, lParam);
    }
}

void SECControlBarMDIChildWnd::OnClose() {
    if (CControlBar* bar = TheBar()) {
        CFrameWnd::ShowControlBar(bar, FALSE, FALSE);
        return;
    }
    CMDIChildWnd::OnClose();
}
