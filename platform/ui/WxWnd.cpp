#include "platform/ui/WxWnd.h"

#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxWindowInfo.h"

namespace {

bool IsTabStop(const wxWindow* window) {
    const WindowInfo* info = InfoOf(window);
    return info && (info->style & WS_TABSTOP) && window->IsShown() && window->IsEnabled();
}

} // namespace

WxChildWnd::WxChildWnd(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
    Hide(); // made hidden: WS_VISIBLE shows it once OnCreate has run
    SetBackgroundStyle(wxBG_STYLE_ERASE);
    Create(parent, id, pos, size, wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE);
}

bool WxChildWnd::AcceptsFocusFromKeyboard() const {
    return IsTabStop(this);
}

WxPopupWnd::WxPopupWnd(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                       const wxSize& size, bool bordered) {
    SetBackgroundStyle(wxBG_STYLE_ERASE);
    long style = wxFRAME_NO_TASKBAR | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE;
    style |= bordered ? wxDEFAULT_FRAME_STYLE : (wxBORDER_NONE | wxFRAME_TOOL_WINDOW);
    if (parent)
        style |= wxFRAME_FLOAT_ON_PARENT;
    Create(parent, id, title, pos, size, style);
}

bool WxPopupWnd::AcceptsFocusFromKeyboard() const {
    return IsTabStop(this);
}
