#include "platform/ui/CMDIFrameWnd.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"

#include <wx/window.h>

namespace {

// The MDI client: the application workspace behind the child frames; maximised children
// follow its size.
class MDIClientWnd : public CWnd {
protected:
    BOOL OnEraseBkgnd(CDC* pDC) override {
        CRect client;
        GetClientRect(&client);
        pDC->FillSolidRect(&client, GetSysColor(COLOR_APPWORKSPACE));
        return TRUE;
    }
    void OnSize(UINT nType, int cx, int cy) override {
        CWnd::OnSize(nType, cx, cy);
        for (wxWindow* child : GetSafeHwnd()->GetChildren()) {
            if (auto* frame = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(child)))
                frame->FitMaximized();
        }
    }
};

} // namespace

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() = default;

CMDIFrameWnd::~CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    if (!CFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext))
        return FALSE;
    if (!CreateClient(nullptr, nullptr))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu*) {
    m_pWndMDIClient = std::make_unique<MDIClientWnd>();
    CRect client;
    GetInsideClientRect(&client);
    return m_pWndMDIClient->Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, client,
                                   this, AFX_IDW_PANE_FIRST);
}

CMDIChildWnd* CMDIFrameWnd::ChildOfHandle(wxWindow* window) const {
    if (!window || !m_pWndMDIClient || !m_pWndMDIClient->GetSafeHwnd())
        return nullptr;
    for (wxWindow* child : m_pWndMDIClient->GetSafeHwnd()->GetChildren()) {
        if (child == window)
            return dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(child));
    }
    return nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
    if (!m_pWndMDIClient || !m_pWndMDIClient->GetSafeHwnd())
        return nullptr;
    if (CMDIChildWnd* active = ChildOfHandle(m_hWndActive); active && active->IsWindowVisible())
        return active;
    const wxWindowList& children = m_pWndMDIClient->GetSafeHwnd()->GetChildren();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* frame = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(*it));
        if (frame && frame->IsWindowVisible())
            return frame;
    }
    return nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
    if (!pWndActivate || !pWndActivate->GetSafeHwnd())
        return;
    CMDIChildWnd* previous = MDIGetActive();
    m_hWndActive = pWndActivate->GetSafeHwnd();
    pWndActivate->GetSafeHwnd()->Raise();
    pWndActivate->SetFocus();
    if (previous == pWndActivate)
        return;
    const auto deactivated = reinterpret_cast<WPARAM>(previous);
    const auto activated = reinterpret_cast<LPARAM>(pWndActivate);
    if (previous)
        previous->SendMessage(WM_MDIACTIVATE, deactivated, activated);
    pWndActivate->SendMessage(WM_MDIACTIVATE, deactivated, activated);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (IsTopLevelFrame() && RouteCmdToFocusTarget(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CMDIChildWnd* child = MDIGetActive();
        child && child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return RouteCmdThroughFrame(nID, nCode, pExtra, pHandlerInfo);
}

UINT CMDIFrameWnd::ActiveMenuId() const {
    CMDIChildWnd* child = MDIGetActive();
    const UINT id = child ? child->GetResourceId() : 0;
    return id && MenuResources::LookupMenu(id) ? id : m_nIDDefaultMenu;
}

void CMDIFrameWnd::OnIdleUpdateCmdUI() {
    const UINT wanted = ActiveMenuId();
    if (m_nIDDefaultMenu && wanted != GetMenuBarId())
        ShowMenuBar(wanted);
    CFrameWnd::OnIdleUpdateCmdUI();
}

BOOL CMDIFrameWnd::TranslateAccelerator(UINT nVirtKey, BYTE fModifiers) {
    CMDIChildWnd* child = MDIGetActive();
    const AcceleratorTemplate* own =
        child ? MenuResources::LookupAccelerators(child->GetResourceId()) : nullptr;
    if (own && TranslateWith(own->entries, own->count, nVirtKey, fModifiers))
        return TRUE;
    return CFrameWnd::TranslateAccelerator(nVirtKey, fModifiers);
}
