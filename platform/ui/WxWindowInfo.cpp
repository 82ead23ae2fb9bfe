#include "platform/ui/WxWindowInfo.h"

#include "platform/ui/CWnd.h"

#include <wx/window.h>

#include <map>
#include <string>

namespace {

std::map<std::string, UINT>& classes() {
    static auto* table = new std::map<std::string, UINT>;
    return *table;
}

} // namespace

WindowInfo* InfoOf(const wxWindow* window) {
    if (!window)
        return nullptr;
    return dynamic_cast<WindowInfo*>(
        static_cast<const wxEvtHandler*>(window)->wxEvtHandler::GetClientObject());
}

WindowInfo& EnsureInfo(wxWindow* window) {
    if (WindowInfo* info = InfoOf(window))
        return *info;
    auto* info = new WindowInfo;
    static_cast<wxEvtHandler*>(window)->wxEvtHandler::SetClientObject(info);
    return *info;
}

UINT ClassStyleOf(const char* className) {
    if (!className || IS_INTRESOURCE(className))
        return 0;
    const auto found = classes().find(className);
    return found == classes().end() ? 0 : found->second;
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    char name[96];
    std::snprintf(name, sizeof name, "Afx:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
                  static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    const auto entry = classes().emplace(name, nClassStyle).first;
    return entry->first.c_str();
}

int WxIdOf(UINT controlId) {
    return controlId > 0 && controlId < 32767 ? static_cast<int>(controlId) : wxID_ANY;
}

UINT ControlIdOf(const wxWindow* window) {
    if (!window)
        return 0;
    if (const WindowInfo* info = InfoOf(window))
        return info->controlId;
    return window->GetId() > 0 ? static_cast<UINT>(window->GetId()) : 0;
}

wxWindow* PopupHostOf(const wxWindow* window) {
    wxWindow* parent = window ? window->GetParent() : nullptr;
    const WindowInfo* info = InfoOf(parent);
    return info && info->kind == WindowKind::popupHost ? parent : nullptr;
}

wxWindow* OuterWindowOf(wxWindow* window) {
    wxWindow* host = PopupHostOf(window);
    return host ? host : window;
}
