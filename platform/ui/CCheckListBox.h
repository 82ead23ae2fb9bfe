#pragma once
// A list box with a check box before every line (an owner-drawn "ListBox" of a dialog
// template, LBS_OWNERDRAWFIXED with LBS_HASSTRINGS). It is a CListBox for its lines and
// selection; the parent gets LBN_SELCHANGE as from any list box with LBS_NOTIFY.

#include "platform/ui/CListBox.h"

constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_HASSTRINGS = 0x0040;

class CCheckListBox : public CListBox {
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox() = default;

    // 1 when the line is checked, 0 when not (also for an index out of range).
    int GetCheck(int index) const;
    void SetCheck(int index, int check);
};
