// The frame's part in commands: the route, the menu bar and the accelerators.

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WndBridge.h"
#include "platform/ui/WxText.h"

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/window.h>

#include <algorithm>
#include <functional>
#include <span>

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_COMMAND_RANGE(AFX_IDW_TOOLBAR, AFX_IDW_STATUS_BAR, OnBarCheck)
ON_UPDATE_COMMAND_UI_RANGE(AFX_IDW_TOOLBAR, AFX_IDW_STATUS_BAR, OnUpdateControlBarMenu)
ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
END_MESSAGE_MAP()

namespace {

// The update object of one menu bar item: enabling greys it, checking turns it into an item
// with a check mark when it is not one yet, naming changes its text.
class MenuBarCmdUI : public CCmdUI {
public:
    explicit MenuBarCmdUI(wxMenuItem* item) : m_item(item) {}

    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        if (m_item->IsEnabled() != (bOn != FALSE))
            m_item->Enable(bOn != FALSE);
    }
    void SetCheck(int nCheck) override {
        if (!m_item->IsCheckable()) {
            if (nCheck == 0)
                return;
            m_item = MakeCheckable(m_item);
        }
        if (m_item->IsChecked() != (nCheck != 0))
            m_item->Check(nCheck != 0);
    }
    void SetText(LPCTSTR lpszText) override {
        const wxString text = ToWx(lpszText);
        if (m_item->GetItemLabel() != text)
            m_item->SetItemLabel(text);
    }

private:
    // A plain item replaced at its place by a check item of the same command and text.
    static wxMenuItem* MakeCheckable(wxMenuItem* item) {
        wxMenu* menu = item->GetMenu();
        const wxMenuItemList& items = menu->GetMenuItems();
        const size_t position = static_cast<size_t>(items.IndexOf(item));
        const bool enabled = item->IsEnabled();
        auto* check = new wxMenuItem(menu, item->GetId(), item->GetItemLabel(), item->GetHelp(),
                                     wxITEM_CHECK);
        menu->Destroy(item);
        menu->Insert(position, check);
        check->Enable(enabled);
        return check;
    }

    wxMenuItem* m_item;
};

// The window system's menus take ids below 0x7FFF only: an item's id is this plus the index of
// its command in the frame's list.
constexpr int kFirstMenuItemId = 100;

wxMenu* MakeMenu(const MenuItemTemplate* items, int count, std::vector<UINT>& commands) {
    auto* menu = new wxMenu;
    for (int i = 0; i < count; ++i) {
        const MenuItemTemplate& item = items[i];
        if (item.flags & MF_SEPARATOR) {
            menu->AppendSeparator();
        } else if (item.flags & MF_POPUP) {
            menu->AppendSubMenu(MakeMenu(item.items, item.count, commands), ToWx(item.text));
        } else {
            menu->Append(kFirstMenuItemId + static_cast<int>(commands.size()), ToWx(item.text));
            commands.push_back(item.id);
        }
    }
    return menu;
}

// Every command item of the menu and its pop-ups.
void ForEachCommandItem(wxMenu* menu, const std::function<void(wxMenuItem*)>& visit) {
    // A copy: the visit may replace items.
    std::vector<wxMenuItem*> items(menu->GetMenuItems().begin(), menu->GetMenuItems().end());
    for (wxMenuItem* item : items) {
        if (item->IsSubMenu())
            ForEachCommandItem(item->GetSubMenu(), visit);
        else if (!item->IsSeparator())
            visit(item);
    }
}

BYTE ModifiersOf(const wxKeyEvent& event) {
    BYTE modifiers = 0;
    if (event.ShiftDown())
        modifiers |= FSHIFT;
    if (event.ControlDown())
        modifiers |= FCONTROL;
    if (event.AltDown())
        modifiers |= FALT;
    return modifiers;
}

} // namespace

BOOL CFrameWnd::IsTopLevelFrame() const {
    return (GetStyle() & WS_CHILD) == 0;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (IsTopLevelFrame() && RouteCmdToFocusTarget(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return RouteCmdThroughFrame(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::RouteCmdThroughFrame(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (CView* view = GetActiveView(); view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (!IsTopLevelFrame())
        return FALSE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::RouteCmdToFocusTarget(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    wxWindow* own = GetSafeHwnd();
    wxWindow* focus = wxWindow::FindFocus();
    if (!own || !focus)
        return FALSE;
    // The focus must lie in this frame's window or in a window it owns (a floating bar).
    wxWindow* top = wxGetTopLevelParent(own);
    wxWindow* focusTop = wxGetTopLevelParent(focus);
    if (focusTop != top && (!focusTop || focusTop->GetParent() != top))
        return FALSE;
    for (wxWindow* window = focus; window; window = window->GetParent()) {
        if (window == own)
            break;
        CWnd* wnd = CWnd::FromHandle(window);
        if (CCmdTarget* target = wnd ? wnd->GetFocusCommandTarget() : nullptr)
            return target->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    return FALSE;
}

void CFrameWnd::OnBarCheck(UINT nID) {
    if (CControlBar* bar = GetControlBar(nID))
        ShowControlBar(bar, (bar->GetStyle() & WS_VISIBLE) == 0, FALSE);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* bar = GetControlBar(pCmdUI->m_nID);
    pCmdUI->Enable(bar != nullptr);
    pCmdUI->SetCheck(bar && (bar->GetStyle() & WS_VISIBLE) ? 1 : 0);
}

// ---- context help ----

void CFrameWnd::OnContextHelp() {
    if (m_bHelpMode || !GetSafeHwnd())
        return;
    m_bHelpMode = TRUE;
    SetCapture();
    SetCursor(LoadCursor(nullptr, IDC_HELP));
}

void CFrameWnd::ExitHelpMode() {
    if (!m_bHelpMode)
        return;
    m_bHelpMode = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

BOOL CFrameWnd::RouteHelpMode(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_bHelpMode)
        return FALSE;
    switch (message) {
    case WM_LBUTTONDOWN: {
        CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ClientToScreen(&point);
        ExitHelpMode();
        // The help id of a window is its control id; the nearest window that has one.
        UINT topic = 0;
        for (CWnd* wnd = CWnd::WindowFromPoint(point); wnd && topic == 0; wnd = wnd->GetParent())
            topic = static_cast<UINT>(std::max(wnd->GetDlgCtrlID(), 0));
        if (CWinApp* app = AfxGetApp())
            app->WinHelp(topic, HELP_CONTEXT);
        return TRUE;
    }
    case WM_RBUTTONDOWN:
        ExitHelpMode();
        return TRUE;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            ExitHelpMode();
        return TRUE;
    case WM_CAPTURECHANGED:
        m_bHelpMode = FALSE;
        return FALSE;
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, IDC_HELP));
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- menu bar ----

BOOL CFrameWnd::LoadMenuBar(UINT nIDResource) {
    if (!ShowMenuBar(nIDResource))
        return FALSE;
    m_nIDDefaultMenu = nIDResource;
    return TRUE;
}

BOOL CFrameWnd::ShowMenuBar(UINT nIDResource) {
    const MenuTemplate* resource = MenuResources::LookupMenu(nIDResource);
    wxWindow* own = GetSafeHwnd();
    auto* host = own ? dynamic_cast<wxFrame*>(wxGetTopLevelParent(own)) : nullptr;
    if (!resource || !host || !IsTopLevelFrame())
        return FALSE;
    auto* bar = new wxMenuBar;
    m_menuCommands.clear();
    for (int i = 0; i < resource->count; ++i) {
        const MenuItemTemplate& item = resource->items[i];
        bar->Append(MakeMenu(item.items, item.count, m_menuCommands), ToWx(item.text));
    }
    wxMenuBar* previous = m_pMenuBar;
    host->SetMenuBar(bar);
    m_pMenuBar = bar;
    m_nIDMenuBar = nIDResource;
    // Detached, the old bar belongs to nobody. Switches happen at idle time, never while one
    // of its items is being dispatched.
    delete previous;
    if (!previous) {
        host->Bind(wxEVT_MENU, [this, own](wxCommandEvent& event) {
            if (GetSafeHwnd() != own) {
                event.Skip();
                return;
            }
            const UINT command = MenuCommandOf(event.GetId());
            if (command == 0) {
                event.Skip();
                return;
            }
            SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(command), 0), 0);
        });
        host->Bind(wxEVT_MENU_OPEN, [this, own](wxMenuEvent& event) {
            event.Skip();
            if (GetSafeHwnd() == own)
                UpdateMenuBarCmdUI();
        });
    }
    return TRUE;
}

void CFrameWnd::UpdateMenuBarCmdUI() {
    if (!m_pMenuBar)
        return;
    for (size_t i = 0; i < m_pMenuBar->GetMenuCount(); ++i) {
        ForEachCommandItem(m_pMenuBar->GetMenu(i), [this](wxMenuItem* item) {
            MenuBarCmdUI state(item);
            state.m_nID = MenuCommandOf(item->GetId());
            state.DoUpdate(this, TRUE);
        });
    }
}

UINT CFrameWnd::MenuCommandOf(int nItemId) const {
    const int index = nItemId - kFirstMenuItemId;
    return index >= 0 && index < static_cast<int>(m_menuCommands.size())
               ? m_menuCommands[static_cast<size_t>(index)]
               : 0;
}

wxMenuItem* CFrameWnd::FindMenuBarItem(UINT nID) const {
    for (size_t i = 0; m_pMenuBar && i < m_menuCommands.size(); ++i) {
        if (m_menuCommands[i] == nID)
            return m_pMenuBar->FindItem(kFirstMenuItemId + static_cast<int>(i));
    }
    return nullptr;
}

UINT CFrameWnd::GetMenuBarState(UINT nID) const {
    wxMenuItem* item = FindMenuBarItem(nID);
    if (!item)
        return static_cast<UINT>(-1);
    UINT state = item->IsEnabled() ? MF_ENABLED : MF_GRAYED;
    if (item->IsCheckable() && item->IsChecked())
        state |= MF_CHECKED;
    return state;
}

CString CFrameWnd::GetMenuBarString(UINT nID) const {
    wxMenuItem* item = FindMenuBarItem(nID);
    return item ? FromWx(item->GetItemLabel()) : CString();
}

// ---- accelerators ----

BOOL CFrameWnd::LoadAccelTable(UINT nIDResource) {
    const AcceleratorTemplate* resource = MenuResources::LookupAccelerators(nIDResource);
    wxWindow* own = GetSafeHwnd();
    wxWindow* host = own ? wxGetTopLevelParent(own) : nullptr;
    if (!resource || !host)
        return FALSE;
    const bool first = m_accelerators.empty();
    m_accelerators.assign(resource->entries, resource->entries + resource->count);
    if (first) {
        // Keys reach the frame's window before the window with the focus.
        host->Bind(wxEVT_CHAR_HOOK, [this, own](wxKeyEvent& event) {
            const UINT key = VirtualKeyOf(event.GetKeyCode());
            if (GetSafeHwnd() != own || !key || !TranslateAccelerator(key, ModifiersOf(event)))
                event.Skip();
        });
    }
    return TRUE;
}

BOOL CFrameWnd::TranslateAccelerator(UINT nVirtKey, BYTE fModifiers) {
    return TranslateWith(m_accelerators.data(), static_cast<int>(m_accelerators.size()), nVirtKey,
                         fModifiers);
}

BOOL CFrameWnd::TranslateWith(const ACCEL* pEntries, int nCount, UINT nVirtKey, BYTE fModifiers) {
    constexpr BYTE kModifiers = FSHIFT | FCONTROL | FALT;
    for (const ACCEL& accel : std::span(pEntries, static_cast<size_t>(nCount))) {
        if (accel.key != nVirtKey || (accel.fVirt & kModifiers) != (fModifiers & kModifiers))
            continue;
        // A key whose command nobody takes now stays the focused window's own (Ctrl+C in a
        // text field copies there).
        AFX_CMDHANDLERINFO info;
        if (!OnCmdMsg(accel.cmd, CN_COMMAND, nullptr, &info) || !IsCommandEnabled(this, accel.cmd))
            return FALSE;
        SendMessage(WM_COMMAND, MAKEWPARAM(accel.cmd, 1), 0);
        return TRUE;
    }
    return FALSE;
}
