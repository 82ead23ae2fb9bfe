#pragma once
// A combo box control: a drop-down list (CBS_DROPDOWNLIST), or a list with a text field the
// user can type into (CBS_DROPDOWN, CBS_SIMPLE). The text field of an editable combo is an edit
// control: GetWindowText and SetWindowText read and write it, LimitText caps what the user
// types in characters.
// The parent gets WM_COMMAND with CBN_SELCHANGE and then CBN_SELENDOK when the user picks an
// entry. A combo box is made from a dialog template (window class "ComboBox").

#include "platform/ui/CWnd.h"

constexpr DWORD CBS_SIMPLE = 0x0001;
constexpr DWORD CBS_DROPDOWN = 0x0002;
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr DWORD CBS_AUTOHSCROLL = 0x0040;
constexpr DWORD CBS_SORT = 0x0100;
constexpr DWORD CBS_TYPEMASK = 0x0003;

constexpr int CB_ERR = -1;

// Combo box notifications (WM_COMMAND's high word).
constexpr UINT CBN_SELCHANGE = 1;
constexpr UINT CBN_SELENDOK = 9;

// An entry's item data: a number or a pointer the program keeps with it.
using DWORD_PTR = uintptr_t;

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;

    // The index of the new entry at the end (or CB_ERR without a window).
    int AddString(LPCTSTR text);
    // Inserts before `index` (-1: at the end); the new entry's index or CB_ERR.
    int InsertString(int index, LPCTSTR text);
    // The number of entries left, or CB_ERR for an index out of range.
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;

    // The selected entry's index, or CB_ERR when none is selected.
    int GetCurSel() const;
    // Selects the entry (-1: none, and the text field is emptied); CB_ERR for an index out of
    // range or -1, else the index.
    int SetCurSel(int index);
    // The entry's text; CB_ERR for an index out of range, else its length.
    int GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;

    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);

    // The first entry after `startAfter` (-1: from the top), wrapping round, whose text begins
    // with `text` in either case (FindString) or equals it in either case (FindStringExact);
    // CB_ERR when none.
    int FindString(int startAfter, LPCTSTR text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    // Selects the entry FindString finds; its index or CB_ERR (the selection then stays).
    int SelectString(int startAfter, LPCTSTR text);

    // The text field of an editable combo, or the selected entry's text of a drop-down list.
    void GetWindowText(CString& text) const;
    void SetWindowText(LPCTSTR text);
    // Caps the text the user types at `maxChars` characters (0: no cap); text the program sets
    // is never cut. FALSE for a drop-down list, which has no text field.
    BOOL LimitText(int maxChars);
};
