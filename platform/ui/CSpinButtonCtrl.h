#pragma once
// An up-down control of a dialog template (window class "msctls_updown32"): two arrows that step
// a position within a range. With UDS_AUTOBUDDY and UDS_SETBUDDYINT the position is written
// into the edit control made just before it, its buddy.

#include "platform/ui/CWnd.h"

constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;
constexpr DWORD UDS_ARROWKEYS = 0x0020;

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;

    void SetRange(short nLower, short nUpper);
    void GetRange(int& lower, int& upper) const;
    // Sets the position (kept within the range) and writes it into the buddy; the old one.
    int SetPos(int nPos);
    int GetPos() const;
};
