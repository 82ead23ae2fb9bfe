#pragma once
// An edit control: the window system's text field, made as a child window or from a dialog
// template (window class "Edit"). Its text is read and set through GetWindowText and
// SetWindowText (a multi-line edit breaks its lines with CR LF, as the program's texts do);
// typed characters reach OnChar first.

#include "platform/ui/CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;

    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Caps the text the user types at `nChars` characters (0 lifts the cap); text the program
    // sets is never cut.
    void LimitText(int nChars = 0);
};
