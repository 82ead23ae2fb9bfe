#include "wintoolkit/frame/SECMDIFrameWnd.h"

#include "platform/core/CMemoryException.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CResourceException.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/docking/SECControlBar.h"
#include "wintoolkit/docking/SECControlBarInfo.h"
#include "wintoolkit/docking/SECDockBar.h"
#include "wintoolkit/docking/SECDockState.h"
#include "wintoolkit/docking/SECDragGeometry.h"
#include "wintoolkit/docking/SECMiniDockFrameWnd.h"
#include "wintoolkit/frame/SECControlBarMDIChildWnd.h"
#include "wintoolkit/frame/SECFrameDocking.h"

IMPLEMENT_DYNCREATE(SECMDIFrameWnd, CMDIFrameWnd)

namespace {

SECControlBarMDIChildWnd* MDIChildOf(CControlBar* pBar) {
    return pBar->m_pDockBar
               ? dynamic_cast<SECControlBarMDIChildWnd*>(GetParentFrameOf(pBar->m_pDockBar))
               : nullptr;
}

} // namespace

SECMDIFrameWnd::SECMDIFrameWnd()
    : m_pFloatingMDIChildClass(nullptr), m_ptNextFloat(30, 30), m_nUnused(0),
      m_nCaptionAlignment(0), m_bSuppressCaptionText(FALSE), m_bCaptionGradient(FALSE) {}

void SECMDIFrameWnd::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle |= dwDockStyle;
    m_pFloatingFrameClass = RUNTIME_CLASS(SECMiniDockFrameWnd);
    m_pFloatingMDIChildClass = RUNTIME_CLASS(SECControlBarMDIChildWnd);
    for (const DockSide& side : kDockSides) {
        if (!(dwDockStyle & side.align) || GetControlBar(side.id))
            continue;
        auto* dockBar = new SECDockBar(FALSE, FALSE);
        Own(dockBar);
        if (!dockBar->Create(this,
                             side.style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                             side.id))
            AfxThrowResourceException();
    }
}

void SECMDIFrameWnd::RecalcLayout(BOOL bNotify) {
    CMDIFrameWnd::RecalcLayout(bNotify);
    SECFrameDocking::RecalcLayout(*this, m_rectLastLayout);
}

void SECMDIFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
    CMDIFrameWnd::ShowControlBar(pBar, bShow, bDelay);
    if (auto* dockBar = dynamic_cast<SECDockBar*>(pBar->m_pDockBar))
        dockBar->OnBarShowChanged(pBar);
}

void SECMDIFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    auto* dockBar = nDockBarID ? dynamic_cast<CDockBar*>(GetControlBar(nDockBarID)) : nullptr;
    DockControlBarAt(pBar, dockBar, lpRect);
}

void SECMDIFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    DockControlBarAt(pBar, pDockBar, lpRect);
}

void SECMDIFrameWnd::DockControlBarAt(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    SECFrameDocking::DockAt(*this, pBar, pDockBar, lpRect, true);
}

void SECMDIFrameWnd::DockControlBarSized(CControlBar* pBar, UINT nDockBarID, int nColumn, int nRow,
                                         float fWidthFraction, int nLength) {
    SECFrameDocking::DockSized(*this, pBar, nDockBarID, nColumn, nRow, fWidthFraction, nLength,
                               true);
}

void SECMDIFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    SECFrameDocking::ReDock(*this, pBar, pDockBar, lpRect, true);
}

void SECMDIFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
    SECFrameDocking::Float(*this, pBar, point, dwStyle, true, false);
}

void SECMDIFrameWnd::ReFloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
    SECFrameDocking::Float(*this, pBar, point, dwStyle, true, true);
}

void SECMDIFrameWnd::FloatControlBarInMDIChild(CControlBar* pBar, CPoint point, DWORD dwStyle) {
    if (auto* toolkit = dynamic_cast<SECControlBar*>(pBar))
        toolkit->OnFloatedInMainWindow();
    CWnd* client = GetMDIClient();
    if (!client)
        return;
    CRect clientRect;
    client->GetClientRect(&clientRect);
    if (point.x >= 0 && point.y >= 0)
        client->ScreenToClient(&point);
    else
        point = SECDragGeometry::NextFloatPosition(m_ptNextFloat, clientRect.Size());
    point = SECDragGeometry::ClampToClient(point, clientRect.Size());
    SECControlBarMDIChildWnd* child = MDIChildOf(pBar);
    if (child && pBar->m_pDockBar->GetDockedCount() == 1 &&
        (pBar->m_pDockBar->GetBarStyle() & dwStyle & CBRS_ALIGN_ANY)) {
        child->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        child->RecalcLayout();
        child->UpdateWindow();
        return;
    }
    dwStyle = SECFrameDocking::FloatStyle(pBar, dwStyle);
    child = CreateMDIFloatingFrame(dwStyle);
    child->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    child->GetDockBar()->CDockBar::DockControlBar(pBar, nullptr);
    child->FitBar();
    child->RecalcLayout();
    child->ShowWindow(SW_SHOWNA);
    child->UpdateWindow();
}

SECControlBarMDIChildWnd* SECMDIFrameWnd::CreateMDIFloatingFrame(DWORD dwStyle) {
    CRuntimeClass* childClass = m_pFloatingMDIChildClass ? m_pFloatingMDIChildClass
                                                         : RUNTIME_CLASS(SECControlBarMDIChildWnd);
    auto* child = dynamic_cast<SECControlBarMDIChildWnd*>(childClass->CreateObject());
    if (!child)
        AfxThrowMemoryException();
    Own(child);
    if (!child->Create(this, dwStyle))
        AfxThrowResourceException();
    return child;
}

// ---- the bar layout ----

void SECMDIFrameWnd::GetDockState(CDockState& state) const {
    CMDIFrameWnd::GetDockState(state);
}

void SECMDIFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const {
    SECDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}

void SECMDIFrameWnd::LoadBarState(LPCTSTR lpszProfileName) {
    SECDockState state;
    if (!AfxGetMainWnd())
        SetMainWnd(this);
    state.LoadState(lpszProfileName);
    SetDockState(state);
}

void SECMDIFrameWnd::SetDockState(const CDockState& state) {
    const int count = state.m_arrBarInfo.GetSize();
    auto infoAt = [&state](int i) { return static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]); };
    std::vector<SECControlBarMDIChildWnd*> children(static_cast<size_t>(count), nullptr);
    for (int i = 0; i < count; ++i) {
        CControlBarInfo* info = infoAt(i);
        auto* toolkitInfo = dynamic_cast<SECControlBarInfo*>(info);
        info->m_pBar = nullptr;
        const DWORD align = info->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
        if (info->m_bFloating && toolkitInfo && toolkitInfo->m_bMDIChild) {
            SECControlBarMDIChildWnd* child = CreateMDIFloatingFrame(align);
            children[static_cast<size_t>(i)] = child;
            info->m_pBar = child->GetDockBar();
        } else if (info->m_bFloating) {
            CMiniDockFrameWnd* frame = CreateFloatingFrame(align);
            if (!frame)
                AfxThrowResourceException();
            CRect rect(info->m_pointPos, CSize(10, 10));
            frame->CalcWindowRect(&rect);
            frame->SetWindowPos(nullptr, rect.left, rect.top, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            info->m_pBar = frame->GetDockBar();
        } else {
            info->m_pBar = GetControlBar(info->m_nBarID);
        }
        if (info->m_pBar)
            info->m_pBar->m_nMRUWidth = static_cast<int>(info->m_nMRUWidth);
    }
    for (int i = 0; i < count; ++i) {
        if (CControlBarInfo* info = infoAt(i); info->m_pBar)
            info->m_pBar->SetBarInfo(info, this);
    }
    for (int i = 0; i < count; ++i) {
        CControlBarInfo* info = infoAt(i);
        CControlBar* bar = info->m_pBar;
        if (!bar)
            continue;
        auto* toolkitInfo = dynamic_cast<SECControlBarInfo*>(info);
        if (auto* toolkit = dynamic_cast<SECControlBar*>(bar); toolkit && toolkitInfo)
            toolkit->OnExtendedStyleChange(toolkitInfo->m_dwExStyle);
        if (auto* dockBar = dynamic_cast<CDockBar*>(bar);
            dockBar && info->m_bFloating && dockBar->GetDockedVisibleCount() > 0) {
            CFrameWnd* frame = GetParentFrameOf(dockBar);
            frame->RecalcLayout();
            frame->ShowWindow(SW_SHOWNA);
        }
        if (auto* dockBar = dynamic_cast<SECDockBar*>(bar->m_pDockBar))
            dockBar->AddToRepaint(bar);
    }
    RecalcLayout(TRUE);
    CWnd* client = GetMDIClient();
    for (int i = 0; i < count; ++i) {
        SECControlBarMDIChildWnd* child = children[static_cast<size_t>(i)];
        if (!child || !client)
            continue;
        CPoint at = infoAt(i)->m_pointPos;
        ClientToScreen(&at);
        client->ScreenToClient(&at);
        CRect rect(at, CSize(10, 10));
        child->CalcWindowRect(&rect);
        child->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        child->FitBar();
    }
    DelayRecalcLayout(TRUE);
}

// ---- messages ----

LRESULT SECMDIFrameWnd::OnBarContextMenu(WPARAM wParam, LPARAM lParam) {
    auto* bar = dynamic_cast<SECControlBar*>(reinterpret_cast<CControlBar*>(wParam));
    auto* menu = reinterpret_cast<CMenu*>(lParam);
    if (!bar || !menu)
        return 0;
    const BOOL inMain = bar->IsMDIChild();
    if (inMain)
        menu->EnableMenuItem(ID_SEC_ALLOWDOCKING, MF_BYCOMMAND | MF_GRAYED);
    if (bar->m_dwExStyle & CBRS_EX_FLOAT_IN_MAIN) {
        CString text;
        text.LoadString(ID_SEC_FLOATINMAIN);
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING | (inMain ? MF_CHECKED : 0), ID_SEC_FLOATINMAIN, text);
    }
    return 0;
}

LRESULT SECMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SEC_BARCONTEXTMENU:
        return OnBarContextMenu(wParam, lParam);
    case WM_SYSCOLORCHANGE:
        secData.UpdateSysColors();
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    default:
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    }
}

// ---- the caption ----

BOOL SECMDIFrameWnd::EnableCaptionGradient(BOOL bEnable, BOOL bRedraw) {
    const BOOL previous = m_bCaptionGradient;
    m_bCaptionGradient = bEnable;
    if (bRedraw)
        RedrawCaption();
    return previous;
}

void SECMDIFrameWnd::RedrawCaption() {
    // The caption is the window manager's: there is nothing of ours to redraw.
}

void SECMDIFrameWnd::DrawCaption(CWnd*, int) {
    // The window manager draws the caption.
}

void SECMDIFrameWnd::GetCaptionRect(CWnd* pFrame, CRect* pRect) const {
    CRect window;
    pFrame->GetWindowRect(&window);
    const DWORD style = pFrame->GetStyle();
    CRect rect(0, 0, window.Width(), 0);
    if (style & WS_THICKFRAME)
        rect = CRect(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                     window.Width() - GetSystemMetrics(SM_CXFRAME), 0);
    rect.bottom = rect.top + GetSystemMetrics(SM_CYSIZE);
    if (style & WS_SYSMENU)
        rect.left += GetSystemMetrics(SM_CXBORDER) + GetSystemMetrics(SM_CXSIZE);
    const int button = GetSystemMetrics(SM_CXSIZE);
    if (style & WS_MAXIMIZEBOX)
        rect.right -= button;
    if (style & WS_MINIMIZEBOX)
        rect.right -= button;
    if (HasCloseBox(pFrame))
        rect.right -= button;
    if (style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))
        rect.right -= GetSystemMetrics(SM_CXBORDER);
    *pRect = rect;
}

BOOL SECMDIFrameWnd::IsCaptionActive(CWnd* pFrame) const {
    return pFrame && pFrame->IsWindowEnabled() && CWnd::GetFocus() &&
           CWnd::GetFocus()->GetTopLevelParent() == pFrame->GetTopLevelParent();
}

BOOL SECMDIFrameWnd::HasCloseBox(CWnd* pFrame) const {
    return pFrame && (pFrame->GetStyle() & WS_SYSMENU) != 0;
}

void SECMDIFrameWnd::FillGradient(CDC* pDC, const CRect* pRect, int nSteps, COLORREF clrFrom,
                                  COLORREF clrTo) {
    SECFrameDocking::FillGradient(pDC, pRect, nSteps, clrFrom, clrTo);
}
