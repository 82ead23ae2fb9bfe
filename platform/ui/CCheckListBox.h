#pragma once
// A list of text lines, each with a check box in front of it: the list paints the window
// system's own check box of a line, and the line's content is painted by DrawItem, which a
// subclass overrides. A check list is made from a dialog template (a "ListBox" item with
// LBS_OWNERDRAWFIXED) and attached with SubclassDlgItem. Clicking a check box or pressing the
// space bar on a line turns its check over.

#include "platform/core/Types.h"
#include "platform/ui/CWnd.h"

#include <cstdint>

constexpr UINT ODT_LISTBOX = 2;

// What MeasureItem is asked: the height of a line (in pixels), filled in with the list's
// own line height.
struct MEASUREITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
    uintptr_t itemData;
};
using LPMEASUREITEMSTRUCT = MEASUREITEMSTRUCT*;

class CCheckListBox : public CWnd {
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox() = default;

    // The index of the new line at the end (unchecked), or -1 without a window.
    int AddString(LPCTSTR text);
    void ResetContent();
    // The number of lines (-1 without a window).
    int GetCount() const;
    // The line's text; -1 for an index out of range, else its length.
    int GetText(int index, CString& text) const;
    // 1 checked, 0 not (-1 out of range).
    int GetCheck(int index) const;
    void SetCheck(int index, int check);
    uintptr_t GetItemData(int index) const;
    int SetItemData(int index, uintptr_t data);
    // The selected line, or -1.
    int GetCurSel() const;
    int SetCurSel(int index);
    // The height of every line in pixels.
    int GetItemHeight() const;

    // Paints a line's content in rcItem (right of its check box).
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // The height of a line; itemHeight comes filled with the list's own.
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
};
