#include "platform/ui/CButton.h"

#include "platform/ui/WxWindowInfo.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/window.h>

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

BOOL CButton::ReplaceDlgItem(UINT nID, CWnd* pParentWnd, DWORD dwButtonStyle) {
    CWnd* old = pParentWnd ? pParentWnd->GetDlgItem(static_cast<int>(nID)) : nullptr;
    wxWindow* oldWindow = old ? old->GetSafeHwnd() : nullptr;
    if (!oldWindow || GetSafeHwnd())
        return FALSE;
    const wxRect place = oldWindow->GetRect();
    CString text;
    old->GetWindowText(text);
    const DWORD windowBits = old->GetStyle() & 0xFFFF0000;
    const DWORD style = (windowBits & ~WS_VISIBLE) | WS_CHILD | WS_TABSTOP | dwButtonStyle;
    const CRect rect(place.GetLeft(), place.GetTop(), place.GetRight() + 1, place.GetBottom() + 1);
    if (!Create(text, style, rect, pParentWnd, nID))
        return FALSE;
    wxWindow* window = GetSafeHwnd();
    window->MoveAfterInTabOrder(oldWindow);
    const bool shown = oldWindow->IsShown();
    old->DestroyWindow();
    window->Show(shown);
    return TRUE;
}

UINT CButton::GetState() const {
    const wxWindow* window = GetSafeHwnd();
    if (!window)
        return 0;
    UINT state = static_cast<UINT>(GetCheck());
    if (const WindowInfo* info = InfoOf(window); info && info->pushed)
        state |= BST_PUSHED;
    if (wxWindow::FindFocus() == window)
        state |= BST_FOCUS;
    return state;
}

void CButton::SetState(BOOL bHighlight) {
    wxWindow* window = GetSafeHwnd();
    WindowInfo* info = InfoOf(window);
    if (!info || info->kind != WindowKind::ownerDrawn || info->pushed == (bHighlight != FALSE))
        return;
    info->pushed = bHighlight != FALSE;
    info->drawAction = ODA_SELECT;
    window->Refresh(false);
}

int CButton::GetCheck() const {
    const wxWindow* window = GetSafeHwnd();
    if (const auto* box = dynamic_cast<const wxCheckBox*>(window))
        return box->GetValue() ? BST_CHECKED : BST_UNCHECKED;
    if (const auto* radio = dynamic_cast<const wxRadioButton*>(window))
        return radio->GetValue() ? BST_CHECKED : BST_UNCHECKED;
    return BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck) {
    wxWindow* window = GetSafeHwnd();
    if (auto* box = dynamic_cast<wxCheckBox*>(window))
        box->SetValue(nCheck == BST_CHECKED);
    else if (auto* radio = dynamic_cast<wxRadioButton*>(window))
        radio->SetValue(nCheck == BST_CHECKED);
}

UINT CButton::GetButtonStyle() const {
    return GetStyle() & 0xFFFF;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return;
    WindowInfo& info = EnsureInfo(window);
    info.style = (info.style & 0xFFFF0000) | (nStyle & 0xFFFF);
    if (bRedraw)
        window->Refresh();
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}
