#pragma once
// The common status control ("msctls_statusbar32"): a row of parts ending at given right edges,
// each with a text drawn flat, sunken or raised, a size grip at the right when asked for, and a
// minimum height. The window behind it is the window system's status bar, placed as a plain
// child like any other control.

#include "platform/core/CString.h"
#include "platform/ui/CWnd.h"

#include <vector>

// Class name of the status control for CWnd::Create.
constexpr LPCTSTR STATUSCLASSNAME = "msctls_statusbar32";

// Window styles of the control.
constexpr DWORD SBARS_SIZEGRIP = 0x0100;
constexpr DWORD CCS_NORESIZE = 0x0004;
constexpr DWORD CCS_NOPARENTALIGN = 0x0008;
constexpr DWORD CCS_NOMOVEY = 0x0002;
constexpr DWORD CCS_NODIVIDER = 0x0040;

// Drawing bits of a part's text.
constexpr UINT SBT_NOBORDERS = 0x0100;
constexpr UINT SBT_POPOUT = 0x0200;
constexpr UINT SBT_OWNERDRAW = 0x1000;

// The control's minimum height message (WM_USER + 8).
constexpr UINT SB_SETMINHEIGHT = 0x0400 + 8;

class CStatusBarCtrl : public CWnd {
public:
    // The text of part nPane, drawn with nType (SBT_ bits); a null text empties it.
    BOOL SetText(LPCTSTR lpszText, int nPane, int nType);
    // The text of a part, and its SBT_ bits in *pType when asked for.
    CString GetText(int nPane, int* pType = nullptr) const;
    // The parts, by their right edges in client coordinates (−1: to the right edge).
    BOOL SetParts(int nParts, const int* pWidths);
    // The right edges of the parts.
    std::vector<int> GetParts() const;
    // Horizontal border, vertical border and gap between parts.
    BOOL GetBorders(int* pBorders) const;
    void SetMinHeight(int nMin);
    int GetMinHeight() const;
};
