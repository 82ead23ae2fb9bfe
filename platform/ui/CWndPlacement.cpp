// The placement members of CWnd: the state and restored rectangle of the window's top-level
// window.

#include "platform/ui/CWnd.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/display.h>
#include <wx/toplevel.h>

namespace {

wxTopLevelWindow* TopLevelOf(const CWnd* wnd) {
    wxWindow* window = wnd->GetSafeHwnd();
    return window ? dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(window)) : nullptr;
}

} // namespace

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
    wxTopLevelWindow* frame = TopLevelOf(this);
    if (!frame || !placement)
        return FALSE;
    const wxRect rect = frame->GetRect();
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->flags = 0;
    placement->showCmd = frame->IsIconized()    ? SW_SHOWMINIMIZED
                         : frame->IsMaximized() ? SW_SHOWMAXIMIZED
                                                : SW_SHOWNORMAL;
    placement->ptMinPosition = {-1, -1};
    placement->ptMaxPosition = {-1, -1};
    placement->rcNormalPosition = {rect.GetLeft(), rect.GetTop(), rect.GetRight() + 1,
                                   rect.GetBottom() + 1};
    return TRUE;
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement) {
    wxTopLevelWindow* frame = TopLevelOf(this);
    if (!frame || !placement)
        return FALSE;
    const RECT& r = placement->rcNormalPosition;
    if (r.right > r.left && r.bottom > r.top)
        frame->SetSize(r.left, r.top, r.right - r.left, r.bottom - r.top);
    const int show = static_cast<int>(placement->showCmd);
    frame->Maximize(show == SW_SHOWMAXIMIZED);
    if (show == SW_SHOWMINIMIZED || show == SW_MINIMIZE)
        frame->Iconize(true);
    else if (frame->IsIconized())
        frame->Iconize(false);
    return TRUE;
}

void CWnd::CenterWindow(CWnd*) {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return;
    // A pop-up window moves with the frame that holds it.
    window = OuterWindowOf(window);
    const wxRect screen = wxDisplay(window).GetGeometry();
    const wxSize size = window->GetSize();
    window->Move(screen.x + (screen.width - size.x) / 2, screen.y + (screen.height - size.y) / 2);
}
