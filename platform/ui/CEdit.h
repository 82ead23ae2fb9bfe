#pragma once
// A single-line edit control: the window system's text field as a child window. Its text is
// read and set through GetWindowText and SetWindowText; typed characters reach OnChar first.

#include "platform/ui/CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;

    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // The most characters the text may hold; 0 lifts the limit.
    void LimitText(int nChars = 0);
};
