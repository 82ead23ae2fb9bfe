#include "platform/ui/CFrameWnd.h"

#include "platform/core/CRuntimeClass.h"
#include "platform/ui/CCreateContext.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

#include "platform/core/CString.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CControlBarInfo.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CDockState.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CMiniDockFrameWnd.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/app.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(0, 0, 640, 480);

namespace {

bool Touches(const CRect& dockBar, const CRect& rect) {
    CRect bar = dockBar;
    if (bar.Width() == 0)
        ++bar.right;
    if (bar.Height() == 0)
        ++bar.bottom;
    CRect overlap;
    return overlap.IntersectRect(&bar, &rect) != FALSE;
}

bool IsSizingHit(int hit) {
    return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}

} // namespace

CFrameWnd* GetParentFrameOf(const CWnd* pWnd) {
    for (CWnd* parent = pWnd ? pWnd->GetParent() : nullptr; parent; parent = parent->GetParent()) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(parent))
            return frame;
    }
    return nullptr;
}

CFrameWnd::CFrameWnd()
    : m_nIdleFlags(0), m_bInRecalcLayout(FALSE), m_pFloatingFrameClass(nullptr), m_dwDockStyle(0),
      m_nTrackHit(0) {}

CFrameWnd::~CFrameWnd() {
    // The bars' windows go with the frame's; the objects must no longer reach it.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (bar->m_pDockSite == this)
            bar->m_pDockSite = nullptr;
    }
    m_listControlBars.RemoveAll();
    if (GetSafeHwnd())
        CWnd::DestroyWindow();
    m_owned.clear();
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext*) {
    if (!CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    BindIdle();
    if (IsTopLevelFrame())
        BindClose();
    return TRUE;
}

void CFrameWnd::BindClose() {
    wxWindow* window = GetSafeHwnd();
    wxWindow* host = wxGetTopLevelParent(window);
    if (!host || host == window)
        return;
    // The window manager's close goes through the frame's own close, which may refuse.
    host->Bind(wxEVT_CLOSE_WINDOW, [this, window](wxCloseEvent& event) {
        if (!event.CanVeto() || GetSafeHwnd() != window) {
            event.Skip();
            return;
        }
        event.Veto();
        SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    });
}

void CFrameWnd::BindIdle() {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return;
    window->Bind(wxEVT_IDLE, [this, window](wxIdleEvent& event) {
        event.Skip();
        if (GetSafeHwnd() == window)
            OnIdleUpdateCmdUI();
    });
}

void CFrameWnd::Own(CWnd* pWnd) {
    m_owned.emplace_back(pWnd);
}

void CFrameWnd::PurgeDestroyed() {
    std::erase_if(m_owned, [](const std::unique_ptr<CWnd>& wnd) {
        auto* frame = dynamic_cast<CFrameWnd*>(wnd.get());
        return frame && !frame->GetSafeHwnd();
    });
}

// ---- layout ----

void CFrameWnd::GetInsideClientRect(LPRECT lpRect) const {
    CRect client;
    GetClientRect(&client);
    *lpRect = GetFrameGeometry().InsideRect(client.Size());
}

void CFrameWnd::CalcWindowRect(LPRECT lpClientRect, UINT) {
    const FrameGeometry geometry = GetFrameGeometry();
    CRect rect(lpClientRect);
    rect.InflateRect(geometry.border, geometry.border + geometry.caption, geometry.border,
                     geometry.border);
    *lpClientRect = rect;
}

FrameGeometry CFrameWnd::GetFrameGeometry() const {
    return FrameGeometry{};
}

void CFrameWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag,
                               LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch) {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return;
    AFX_SIZEPARENTPARAMS layout{};
    layout.bStretch = bStretch;
    CRect client;
    if (lpRectClient)
        client = *lpRectClient;
    else
        GetInsideClientRect(&client);
    layout.rect = client;
    layout.hDWP = nFlag == reposQuery ? nullptr : BeginDeferWindowPos(8);
    CWnd* leftOver = nullptr;
    const wxWindowList children = window->GetChildren();
    for (wxWindow* child : children) {
        if (child->IsTopLevel())
            continue;
        const UINT id = ControlIdOf(child);
        CWnd* wnd = CWnd::FromHandle(child);
        if (id == nIDLeftOver)
            leftOver = wnd;
        else if (id >= nIDFirst && id <= nIDLast)
            wnd->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    if (nFlag == reposQuery) {
        if (lpRectParam)
            *lpRectParam = bStretch ? CRect(layout.rect)
                                    : CRect(0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        return;
    }
    CRect rest(layout.rect);
    if (nFlag == reposExtra && lpRectParam) {
        rest.DeflateRect(lpRectParam);
        if (rest.IsRectEmpty())
            rest.SetRect(layout.rect.left, layout.rect.top, layout.rect.left, layout.rect.top);
    }
    if (leftOver)
        AfxRepositionWindow(&layout, leftOver, &rest);
    EndDeferWindowPos(layout.hDWP);
}

void CFrameWnd::RecalcLayout(BOOL) {
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) {
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
    if (wxTheApp)
        wxWakeUpIdle();
}

void CFrameWnd::OnIdleUpdateCmdUI() {
    if (m_nIdleFlags & idleLayout)
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    std::vector<CControlBar*> bars;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;)
        bars.push_back(static_cast<CControlBar*>(m_listControlBars.GetNext(pos)));
    for (CControlBar* bar : bars) {
        if (bar->GetSafeHwnd() && !bar->IsDockBar())
            bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    }
    UpdateMenuBarCmdUI();
    PurgeDestroyed();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
    if (GetFrameGeometry().caption > 0)
        Invalidate();
}

void CFrameWnd::OnDestroy() {
    m_nTrackHit = 0;
    CWnd::OnDestroy();
}

// ---- bars ----

void CFrameWnd::AddControlBar(CControlBar* pBar) {
    if (!m_listControlBars.Find(pBar))
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
    if (POSITION pos = m_listControlBars.Find(pBar))
        m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const {
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (bar->GetSafeHwnd() && static_cast<UINT>(bar->GetDlgCtrlID()) == nID)
            return bar;
    }
    return nullptr;
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle |= dwDockStyle;
    m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (const DockSide& side : kDockSides) {
        if (!(dwDockStyle & side.align) || GetControlBar(side.id))
            continue;
        auto* dockBar = new CDockBar(FALSE);
        Own(dockBar);
        dockBar->Create(
            this, side.style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, side.id);
    }
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar) {
    for (const DockSide& side : kDockSides) {
        if (!(dwDockStyle & side.align))
            continue;
        auto* dockBar = dynamic_cast<CDockBar*>(GetControlBar(side.id));
        if (!dockBar || !dockBar->IsWindowVisible())
            continue;
        CRect window;
        dockBar->GetWindowRect(&window);
        if (Touches(window, rect)) {
            if (ppDockBar)
                *ppDockBar = dockBar;
            return side.align;
        }
    }
    return 0;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    auto* dockBar = nDockBarID ? dynamic_cast<CDockBar*>(GetControlBar(nDockBarID)) : nullptr;
    DockControlBar(pBar, dockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    if (!pDockBar) {
        for (const DockSide& side : kDockSides) {
            if (pBar->m_dwDockStyle & side.align) {
                pDockBar = dynamic_cast<CDockBar*>(GetControlBar(side.id));
                if (pDockBar)
                    break;
            }
        }
    }
    if (pDockBar)
        pDockBar->DockControlBar(pBar, lpRect);
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    if (!pDockBar) {
        for (const DockSide& side : kDockSides) {
            if (pBar->m_dwDockStyle & side.align) {
                pDockBar = dynamic_cast<CDockBar*>(GetControlBar(side.id));
                if (pDockBar)
                    break;
            }
        }
    }
    if (pDockBar)
        pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle) {
    CRuntimeClass* frameClass =
        m_pFloatingFrameClass ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    auto* frame = dynamic_cast<CMiniDockFrameWnd*>(frameClass->CreateObject());
    if (!frame)
        return nullptr;
    Own(frame);
    if (!frame->Create(this, dwStyle))
        return nullptr;
    return frame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
    if (pBar->IsFloating() && pBar->m_pDockBar->GetDockedCount() == 1 &&
        (pBar->m_pDockBar->GetBarStyle() & dwStyle & CBRS_ALIGN_ANY)) {
        CFrameWnd* frame = GetParentFrameOf(pBar->m_pDockBar);
        frame->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
            dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    }
    CMiniDockFrameWnd* frame = CreateFloatingFrame(dwStyle);
    if (!frame)
        return;
    frame->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame->GetDockBar()->DockControlBar(pBar, nullptr);
    frame->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE)
        frame->ShowWindow(SW_SHOWNA);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
    CFrameWnd* frame = pBar->GetDockingFrame();
    if (bDelay) {
        pBar->DelayShow(bShow);
        if (frame)
            frame->DelayRecalcLayout();
    } else {
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                               (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        pBar->m_nStateFlags &= ~(CControlBar::delayShow | CControlBar::delayHide);
        if (frame && (bShow || !pBar->IsFloating()))
            frame->RecalcLayout(FALSE);
    }
    if (pBar->IsFloating() && frame) {
        const int visible = pBar->m_pDockBar->GetDockedVisibleCount();
        if (visible == 1 && bShow)
            frame->ShowWindow(SW_SHOWNA);
        else if (visible == 0)
            frame->ShowWindow(SW_HIDE);
    }
}

// ---- the dock state ----

void CFrameWnd::GetDockState(CDockState& state) const {
    state.Clear();
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        CControlBarInfo* info = state.NewBarInfo();
        bar->GetBarInfo(info);
        state.m_arrBarInfo.Add(info);
    }
}

void CFrameWnd::SetDockState(const CDockState& state) {
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        auto* info = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        info->m_pBar = nullptr;
        if (info->m_bFloating) {
            CMiniDockFrameWnd* frame =
                CreateFloatingFrame(info->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
            if (!frame)
                continue;
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
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        auto* info = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        if (info->m_pBar)
            info->m_pBar->SetBarInfo(info, this);
    }
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        auto* info = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        auto* dockBar = dynamic_cast<CDockBar*>(info->m_pBar);
        if (info->m_bFloating && dockBar && dockBar->GetDockedVisibleCount() > 0) {
            CFrameWnd* frame = GetParentFrameOf(dockBar);
            frame->RecalcLayout();
            frame->ShowWindow(SW_SHOWNA);
        }
    }
    RecalcLayout(TRUE);
    DelayRecalcLayout(TRUE);
}

void CFrameWnd::LoadBarState(LPCTSTR lpszProfileName) {
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}

void CFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const {
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}

// ---- messages ----

void CFrameWnd::SetMessageText(LPCTSTR lpszText) {
    if (CWnd* bar = GetDlgItem(static_cast<int>(AFX_IDW_STATUS_BAR)))
        bar->SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszText ? lpszText : ""));
}

void CFrameWnd::SetMessageText(UINT nID) {
    CString text;
    text.LoadString(nID);
    SetMessageText(text);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    if (wParam)
        SetMessageText(static_cast<UINT>(wParam));
    else
        SetMessageText(lParam ? reinterpret_cast<LPCTSTR>(lParam) : "");
    return 0;
}

void CFrameWnd::OnClose() {
    // The main window closes only when every document may close; then the documents go first.
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        if (!app->SaveAllModified())
            return;
        app->CloseAllDocuments(FALSE);
    }
    DestroyWindow();
}

void CFrameWnd::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0) == SC_CLOSE)
        SendMessage(WM_CLOSE);
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (RouteHelpMode(message, wParam, lParam))
        return message == WM_SETCURSOR ? TRUE : 0;
    if (RouteFrameTracking(message, wParam, lParam))
        return 0;
    const FrameGeometry geometry = GetFrameGeometry();
    const bool drawn = geometry.border > 0 || geometry.caption > 0;
    if (drawn &&
        (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN)) {
        CRect client;
        GetClientRect(&client);
        CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        const int hit = geometry.HitTest(point, client.Size());
        if (hit != static_cast<int>(HTCLIENT) && hit != HTNOWHERE) {
            ClientToScreen(&point);
            const UINT nc = message == WM_LBUTTONDOWN     ? WM_NCLBUTTONDOWN
                            : message == WM_LBUTTONDBLCLK ? WM_NCLBUTTONDBLCLK
                                                          : WM_NCRBUTTONDOWN;
            return SendMessage(nc, static_cast<WPARAM>(hit), MAKELPARAM(point.x, point.y));
        }
    }
    switch (message) {
    case WM_SETMESSAGESTRING:
        return OnSetMessageString(wParam, lParam);
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

LRESULT CFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const int hit = static_cast<int>(wParam);
    switch (message) {
    case WM_NCLBUTTONDOWN:
        if (hit == HTCLOSE)
            SendMessage(WM_SYSCOMMAND, SC_CLOSE, lParam);
        else if (hit == HTMAXBUTTON)
            SendMessage(WM_SYSCOMMAND, (GetStyle() & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE,
                        lParam);
        else if (hit == HTMINBUTTON)
            SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, lParam);
        else if (hit == HTCAPTION || (IsSizingHit(hit) && GetFrameGeometry().sizable))
            StartFrameTracking(hit, point);
        return 0;
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

// ---- the drawn non-client area ----

void CFrameWnd::OnPaint() {
    const FrameGeometry geometry = GetFrameGeometry();
    if (geometry.border <= 0 && geometry.caption <= 0) {
        CWnd::OnPaint();
        return;
    }
    CPaintDC dc(this);
    DrawFrame(&dc);
}

void CFrameWnd::DrawFrame(CDC* pDC) {
    const FrameGeometry geometry = GetFrameGeometry();
    CRect client;
    GetClientRect(&client);
    const CSize size = client.Size();
    pDC->FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    pDC->Draw3dRect(&client, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_WINDOWFRAME));
    const CRect caption = geometry.CaptionRect(size);
    if (caption.IsRectEmpty())
        return;
    pDC->FillSolidRect(&caption, GetSysColor(COLOR_ACTIVECAPTION));
    CString title;
    GetWindowText(title);
    CRect text = caption;
    text.left += 4;
    text.right = geometry.ButtonRect(HTMINBUTTON, size).IsRectEmpty()
                     ? (geometry.ButtonRect(HTMAXBUTTON, size).IsRectEmpty()
                            ? geometry.ButtonRect(HTCLOSE, size).left
                            : geometry.ButtonRect(HTMAXBUTTON, size).left)
                     : geometry.ButtonRect(HTMINBUTTON, size).left;
    if (text.right <= text.left)
        text.right = caption.right;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetSysColor(COLOR_CAPTIONTEXT));
    pDC->DrawText(title, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    for (const int button : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
        const CRect r = geometry.ButtonRect(button, size);
        if (r.IsRectEmpty())
            continue;
        pDC->FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
        pDC->Draw3dRect(&r, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
        CRect glyph = r;
        glyph.DeflateRect(4, 4);
        if (button == HTCLOSE) {
            for (int i = 0; i < glyph.Width() && i < glyph.Height(); ++i) {
                pDC->SetPixel(glyph.left + i, glyph.top + i, ink);
                pDC->SetPixel(glyph.right - 1 - i, glyph.top + i, ink);
            }
        } else if (button == HTMAXBUTTON) {
            pDC->FillSolidRect(glyph.left, glyph.top, glyph.Width(), 2, ink);
            pDC->FillSolidRect(glyph.left, glyph.top, 1, glyph.Height(), ink);
            pDC->FillSolidRect(glyph.right - 1, glyph.top, 1, glyph.Height(), ink);
            pDC->FillSolidRect(glyph.left, glyph.bottom - 1, glyph.Width(), 1, ink);
        } else {
            pDC->FillSolidRect(glyph.left, glyph.bottom - 2, glyph.Width(), 2, ink);
        }
    }
}

BOOL CFrameWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    const FrameGeometry geometry = GetFrameGeometry();
    if (pWnd == this && geometry.sizable) {
        CPoint point;
        if (wxTheApp) {
            const wxPoint at = GetSafeHwnd()->ScreenToClient(wxGetMousePosition());
            point = CPoint(at.x, at.y);
        }
        CRect client;
        GetClientRect(&client);
        LPCTSTR cursor = nullptr;
        switch (geometry.HitTest(point, client.Size())) {
        case HTLEFT:
        case HTRIGHT:
            cursor = IDC_SIZEWE;
            break;
        case HTTOP:
        case HTBOTTOM:
            cursor = IDC_SIZENS;
            break;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
            cursor = IDC_SIZENWSE;
            break;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT:
            cursor = IDC_SIZENESW;
            break;
        default:
            break;
        }
        if (cursor) {
            SetCursor(LoadCursor(nullptr, cursor));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CFrameWnd::StartFrameTracking(int nHitTest, CPoint point) {
    m_nTrackHit = nHitTest;
    m_ptTrackStart = point;
    GetWindowRect(&m_rectTrackStart);
    if (!(GetStyle() & WS_POPUP) && (GetStyle() & WS_CHILD) && GetParent())
        GetParent()->ScreenToClient(&m_rectTrackStart);
    SetCapture();
}

BOOL CFrameWnd::RouteFrameTracking(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_nTrackHit)
        return FALSE;
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ClientToScreen(&point);
        const CSize delta = point - m_ptTrackStart;
        CRect rect = m_rectTrackStart;
        if (m_nTrackHit == HTCAPTION)
            rect.OffsetRect(delta);
        else
            rect = StretchRect(m_rectTrackStart, m_nTrackHit, delta);
        MoveWindow(&rect);
        if (message == WM_LBUTTONUP)
            EndFrameTracking(FALSE);
        return TRUE;
    }
    case WM_RBUTTONDOWN:
        EndFrameTracking(TRUE);
        return TRUE;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            EndFrameTracking(TRUE);
        return TRUE;
    case WM_CAPTURECHANGED:
        EndFrameTracking(FALSE);
        return TRUE;
    default:
        return FALSE;
    }
}

void CFrameWnd::EndFrameTracking(BOOL bCancel) {
    if (!m_nTrackHit)
        return;
    m_nTrackHit = 0;
    if (bCancel)
        MoveWindow(&m_rectTrackStart);
    if (CWnd::GetCapture() == this)
        ReleaseCapture();
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* old = m_pViewActive;
    if (old == pViewNew)
        return;
    m_pViewActive = pViewNew;
    if (bNotify && old)
        old->OnActivateView(FALSE, pViewNew, old);
    if (bNotify && pViewNew)
        pViewNew->OnActivateView(TRUE, pViewNew, old);
}

CDocument* CFrameWnd::GetActiveDocument() {
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    if (!pContext || !pContext->m_pNewViewClass)
        return nullptr;
    CObject* object = pContext->m_pNewViewClass->CreateObject();
    auto* wnd = dynamic_cast<CWnd*>(object);
    if (!wnd) {
        delete object;
        return nullptr;
    }
    CRect client;
    GetInsideClientRect(&client);
    if (!wnd->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, client, this, nID, pContext)) {
        delete wnd;
        return nullptr;
    }
    return wnd;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (!pContext || !pContext->m_pNewViewClass)
        return TRUE;
    CWnd* view = CreateView(pContext, AFX_IDW_PANE_FIRST);
    if (!view)
        return FALSE;
    if (auto* asView = dynamic_cast<CView*>(view))
        SetActiveView(asView);
    return TRUE;
}
