#pragma once
// A list box control of a dialog template (window class "ListBox"): one column of text lines,
// one of which may be selected. With LBS_NOTIFY the parent gets WM_COMMAND with LBN_SELCHANGE
// when the user selects a line and LBN_DBLCLK when the user double-clicks one.

#include "platform/ui/CWnd.h"

constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
// Several lines may be selected: by clicking each (LBS_MULTIPLESEL) or with Shift and Ctrl
// (LBS_EXTENDEDSEL).
constexpr DWORD LBS_MULTIPLESEL = 0x0008;
constexpr DWORD LBS_EXTENDEDSEL = 0x0800;
// Lines of one height that the list's owner paints (a CCheckListBox), keeping their texts.
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_HASSTRINGS = 0x0040;

constexpr int LB_ERR = -1;

// List box notifications (WM_COMMAND's high word).
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT LBN_DBLCLK = 2;

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;

    // The index of the new line (in sorted place with LBS_SORT), or LB_ERR without a window.
    int AddString(LPCTSTR text);
    void ResetContent();
    int GetCount() const;
    // The selected line's index, or LB_ERR when none is selected.
    int GetCurSel() const;
    // Selects the line (-1: none); LB_ERR for -1 or an index out of range.
    int SetCurSel(int index);
    // The line's text; LB_ERR for an index out of range, else its length.
    int GetText(int index, CString& text) const;
    // The first line after `startAfter` (-1: from the top), wrapping round, whose text equals
    // `text` in either case; LB_ERR when none.
    int FindStringExact(int startAfter, LPCTSTR text) const;

    // Deletes the line; the number of lines left, or LB_ERR for an index out of range.
    int DeleteString(UINT index);
    // Lists of several selected lines: whether the line is selected (LB_ERR out of range);
    // selects or clears the line (index -1: every line); the number of selected lines.
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
};
