#pragma once
// Making a window-system control of our own as the child window of a CWnd: the control's class
// takes its owner, parent, id, place and size; its place comes from the CWnd-style rectangle,
// its original control id is kept, and it starts hidden unless the style says WS_VISIBLE.

#include "platform/ui/CWnd.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/window.h>

// The control made for `owner` as child `nID` of `pParentWnd`; nullptr without a parent window
// or when the owner already has one.
template <class Control, class Owner>
Control* MakeChildControl(Owner& owner, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                          UINT nID) {
    wxWindow* parent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!parent || owner.GetSafeHwnd())
        return nullptr;
    auto* control = new Control(owner, parent, WxIdOf(nID), wxPoint(rect.left, rect.top),
                                wxSize(rect.right - rect.left, rect.bottom - rect.top));
    EnsureInfo(control).controlId = nID;
    if (!(dwStyle & WS_VISIBLE))
        control->Hide();
    return control;
}
