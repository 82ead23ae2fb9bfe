#pragma once
// An edit control: the window system's text field, made as a child window or from a dialog
// template (window class "Edit"). Its text is read and set through GetWindowText and
// SetWindowText (a multi-line edit breaks its lines with CR LF, as the program's texts do);
// typed characters reach OnChar first.

#include "platform/ui/CWnd.h"

// Sent to the parent (WM_COMMAND's high word) when the user changes the text, by typing or
// through the arrows of the up-down control whose buddy the edit is; text the program sets
// sends none.
constexpr UINT EN_CHANGE = 0x0300;

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;

    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Caps the text the user types at `nChars` characters (0 lifts the cap); text the program
    // sets is never cut.
    void LimitText(int nChars = 0);
    // Selects the characters from nStartChar up to nEndChar (-1: to the end; 0 to -1 selects
    // all) and, unless bNoScroll, scrolls the caret into view.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    // Replaces the selection as typing would: the parent hears EN_CHANGE and the edit's undo
    // can take it back.
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
};
