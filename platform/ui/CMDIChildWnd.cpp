#include "platform/ui/CMDIChildWnd.h"

#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/WindowStyles.h"

#include <wx/window.h>

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

CMDIChildWnd::CMDIChildWnd() : m_pMDIFrame(nullptr), m_bMaximized(FALSE), m_bMinimized(FALSE) {}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT&) {
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    CWnd* client = pParentWnd ? pParentWnd->GetMDIClient() : nullptr;
    if (!client)
        return FALSE;
    m_pMDIFrame = pParentWnd;
    CREATESTRUCT cs{nullptr,
                    nullptr,
                    nullptr,
                    client->GetSafeHwnd(),
                    rect.bottom - rect.top,
                    rect.right - rect.left,
                    static_cast<int>(rect.top),
                    static_cast<int>(rect.left),
                    static_cast<LONG>(dwStyle),
                    lpszWindowName,
                    lpszClassName,
                    WS_EX_MDICHILD | WS_EX_CLIENTEDGE};
    if (!PreCreateWindow(cs))
        return FALSE;
    const DWORD style = (static_cast<DWORD>(cs.style) | WS_CHILD) & ~(WS_VISIBLE | WS_MAXIMIZE);
    const CRect placed(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
    if (!CFrameWnd::Create(cs.lpszClass, cs.lpszName, style, placed, client, 0, pContext))
        return FALSE;
    m_rectRestore = placed;
    BindPositionEvents();
    if (cs.style & WS_MAXIMIZE)
        MDIMaximize();
    if (cs.style & WS_VISIBLE) {
        ShowWindow(SW_SHOW);
        pParentWnd->MDIActivate(this);
    }
    return TRUE;
}

void CMDIChildWnd::BindPositionEvents() {
    wxWindow* window = GetSafeHwnd();
    const auto changed = [this, window](wxEvent& event) {
        event.Skip();
        if (GetSafeHwnd() == window)
            SendMessage(WM_WINDOWPOSCHANGED, 0, 0);
    };
    window->Bind(wxEVT_MOVE, [changed](wxMoveEvent& event) { changed(event); });
    window->Bind(wxEVT_SIZE, [changed](wxSizeEvent& event) { changed(event); });
    window->Bind(wxEVT_SHOW, [this, window](wxShowEvent& event) {
        event.Skip();
        if (GetSafeHwnd() == window)
            SendMessage(WM_SHOWWINDOW, event.IsShown(), 0);
    });
}

FrameGeometry CMDIChildWnd::GetFrameGeometry() const {
    FrameGeometry geometry;
    if (m_bMaximized)
        return geometry;
    const DWORD style = GetStyle();
    geometry.border = kBorder;
    geometry.caption = kCaptionHeight;
    geometry.sizable = !m_bMinimized && (style & WS_THICKFRAME) != 0;
    geometry.closeBox = (style & WS_SYSMENU) != 0;
    geometry.maxBox = (style & WS_MAXIMIZEBOX) != 0;
    geometry.minBox = (style & WS_MINIMIZEBOX) != 0;
    return geometry;
}

void CMDIChildWnd::FitMaximized() {
    if (!m_bMaximized || !GetParent())
        return;
    CRect client;
    GetParent()->GetClientRect(&client);
    MoveWindow(&client);
}

void CMDIChildWnd::MDIMaximize() {
    if (m_bMaximized)
        return;
    if (!m_bMinimized) {
        GetWindowRect(&m_rectRestore);
        GetParent()->ScreenToClient(&m_rectRestore);
    }
    m_bMaximized = TRUE;
    m_bMinimized = FALSE;
    ModifyStyle(WS_MINIMIZE, WS_MAXIMIZE);
    FitMaximized();
    RecalcLayout();
    Invalidate();
}

void CMDIChildWnd::MDIRestore() {
    m_bMaximized = FALSE;
    m_bMinimized = FALSE;
    ModifyStyle(WS_MAXIMIZE | WS_MINIMIZE, 0);
    MoveWindow(&m_rectRestore);
    RecalcLayout();
    Invalidate();
}

void CMDIChildWnd::OnSysCommand(UINT nID, LPARAM lParam) {
    switch (nID & 0xFFF0) {
    case SC_MAXIMIZE:
        MDIMaximize();
        break;
    case SC_RESTORE:
        MDIRestore();
        break;
    case SC_MINIMIZE: {
        if (!m_bMaximized && !m_bMinimized) {
            GetWindowRect(&m_rectRestore);
            GetParent()->ScreenToClient(&m_rectRestore);
        }
        m_bMaximized = FALSE;
        m_bMinimized = TRUE;
        ModifyStyle(WS_MAXIMIZE, WS_MINIMIZE);
        CRect client;
        GetParent()->GetClientRect(&client);
        const int height = kCaptionHeight + 2 * kBorder;
        MoveWindow(0, client.bottom - height, 160, height);
        Invalidate();
        break;
    }
    default:
        CFrameWnd::OnSysCommand(nID, lParam);
    }
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCLBUTTONDBLCLK && static_cast<int>(wParam) == HTCAPTION &&
        (GetStyle() & WS_MAXIMIZEBOX)) {
        SendMessage(WM_SYSCOMMAND, m_bMaximized || m_bMinimized ? SC_RESTORE : SC_MAXIMIZE, lParam);
        return 0;
    }
    return CFrameWnd::DefWindowProc(message, wParam, lParam);
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
    auto* mdiFrame = dynamic_cast<CMDIFrameWnd*>(pParentWnd);
    if (!mdiFrame)
        return FALSE;
    m_nIDHelp = nIDResource;
    CString title;
    if (nIDResource)
        title.LoadString(nIDResource);
    const DWORD style = dwDefaultStyle & ~WS_VISIBLE;
    if (!Create(nullptr, title, style, CRect(0, 0, 300, 200), mdiFrame, pContext))
        return FALSE;
    if (!OnCreateClient(nullptr, pContext)) {
        DestroyWindow();
        return FALSE;
    }
    RecalcLayout();
    if (dwDefaultStyle & WS_VISIBLE) {
        ShowWindow(SW_SHOW);
        mdiFrame->MDIActivate(this);
    }
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1 && !IsWindowVisible())
        nCmdShow = SW_SHOW;
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (m_pMDIFrame)
        m_pMDIFrame->MDIActivate(this);
}

void CMDIChildWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) {}

LRESULT CMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MDIACTIVATE) {
        auto* activated = reinterpret_cast<CWnd*>(lParam);
        OnMDIActivate(activated == this, activated, reinterpret_cast<CWnd*>(wParam));
        return 0;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

void CMDIChildWnd::OnClose() {
    CDocument* document = GetActiveDocument();
    if (!document) {
        CFrameWnd::OnClose();
        return;
    }
    if (!document->CanCloseFrame(this))
        return;
    for (CView* view : document->GetViews()) {
        if (GetParentFrameOf(view) != this) {
            document->PreCloseFrame(this);
            DestroyWindow();
            return;
        }
    }
    document->OnCloseDocument();
}
