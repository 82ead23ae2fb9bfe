#include "platform/ui/CWnd.h"

#include "platform/ui/MainWnd.h"
#include "platform/ui/WxText.h"

#include <wx/toplevel.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <unordered_map>

// The window behind a CWnd; the weak reference clears itself when the window system deletes the
// window, whoever deletes it.
struct CWnd::Handle {
    wxWeakRef<wxWindow> window;
    bool temporary = false;
};

namespace {

// Which object owns which window, and the stand-ins handed out for windows nobody owns.
struct WindowMap {
    std::unordered_map<wxWindow*, CWnd*> owners;
    std::unordered_map<wxWindow*, std::unique_ptr<CWnd>> temporaries;

    // Drops the entries of windows that are gone (the address may be reused by a new window).
    void Purge() {
        std::erase_if(owners,
                      [](const auto& entry) { return entry.second->GetSafeHwnd() != entry.first; });
        std::erase_if(temporaries,
                      [](const auto& entry) { return entry.second->GetSafeHwnd() != entry.first; });
    }
};

// Never destroyed: windows may outlive static destruction order at exit.
WindowMap& windows() {
    static WindowMap* map = new WindowMap;
    return *map;
}

CWnd* OwnerOf(wxWindow* window) {
    const auto found = windows().owners.find(window);
    return found == windows().owners.end() ? nullptr : found->second;
}

// Lets the objects that own the controls inside `window` go of them, as the controls go with it.
void ForgetControlsInside(wxWindow* window) {
    for (wxWindow* child : window->GetChildren()) {
        if (child->IsTopLevel())
            continue;
        ForgetControlsInside(child);
        if (CWnd* owner = OwnerOf(child))
            owner->Detach();
    }
}

} // namespace

CWnd::CWnd() : m_handle(std::make_unique<Handle>()) {}

CWnd::~CWnd() {
    if (m_handle->temporary)
        return;
    if (GetSafeHwnd())
        CWnd::DestroyWindow();
    else
        windows().Purge();
}

wxWindow* CWnd::GetSafeHwnd() const {
    return m_handle->window.get();
}

BOOL CWnd::Attach(wxWindow* window) {
    if (!window || GetSafeHwnd())
        return FALSE;
    windows().Purge();
    if (OwnerOf(window))
        return FALSE;
    m_handle->window = window;
    windows().owners[window] = this;
    return TRUE;
}

wxWindow* CWnd::Detach() {
    wxWindow* window = GetSafeHwnd();
    if (window && OwnerOf(window) == this)
        windows().owners.erase(window);
    m_handle->window = nullptr;
    return window;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    CWnd* item = parent ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    return item && Attach(item->GetSafeHwnd());
}

BOOL CWnd::DestroyWindow() {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return FALSE;
    ForgetControlsInside(window);
    Detach();
    // A top-level window is hidden now and deleted when the messages waiting for it are done.
    window->Destroy();
    return TRUE;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return FALSE;
    const BOOL wasDisabled = !window->IsThisEnabled();
    window->Enable(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    const wxWindow* window = GetSafeHwnd();
    return window && window->IsThisEnabled();
}

BOOL CWnd::IsWindowVisible() const {
    const wxWindow* window = GetSafeHwnd();
    return window && window->IsShownOnScreen();
}

BOOL CWnd::SetForegroundWindow() {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return FALSE;
    wxGetTopLevelParent(window)->Raise();
    return TRUE;
}

void CWnd::SetWindowText(LPCTSTR text) {
    if (wxWindow* window = GetSafeHwnd())
        window->SetLabel(ToWx(text));
}

void CWnd::GetWindowText(CString& text) const {
    const wxWindow* window = GetSafeHwnd();
    text = window ? FromWx(window->GetLabel()) : CString();
}

int CWnd::GetDlgCtrlID() const {
    const wxWindow* window = GetSafeHwnd();
    return window ? window->GetId() : 0;
}

CWnd* CWnd::GetDlgItem(int id) const {
    const wxWindow* window = GetSafeHwnd();
    if (!window)
        return nullptr;
    for (wxWindow* child : window->GetChildren()) {
        if (!child->IsTopLevel() && child->GetId() == id)
            return FromHandle(child);
    }
    return nullptr;
}

CWnd* CWnd::GetParent() const {
    const wxWindow* window = GetSafeHwnd();
    return window ? FromHandle(window->GetParent()) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
    wxWindow* window = GetSafeHwnd();
    return window ? FromHandle(wxGetTopLevelParent(window)) : nullptr;
}

CWnd* CWnd::FromHandle(wxWindow* window) {
    if (!window)
        return nullptr;
    windows().Purge();
    if (CWnd* owner = OwnerOf(window))
        return owner;
    auto& temporary = windows().temporaries[window];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_handle->window = window;
        temporary->m_handle->temporary = true;
    }
    return temporary.get();
}

CWnd* CWnd::GetSafeOwner(CWnd* parent) {
    CWnd* start = parent && parent->GetSafeHwnd() ? parent : AfxGetMainWnd();
    return start ? start->GetTopLevelParent() : nullptr;
}
