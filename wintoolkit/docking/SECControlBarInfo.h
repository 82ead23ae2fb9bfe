#pragma once
// A toolkit bar's saved place: the framework's record plus the bar's remembered sizes in each
// docking situation, its share of its row, its docking sides, its extended style, and whether it
// floats in a frame inside the main window.

#include "platform/ui/CControlBarInfo.h"

class SECControlBarInfo : public CControlBarInfo {
public:
    SECControlBarInfo();

    // The framework's keys, then the toolkit's (none when the framework's part fails).
    BOOL SaveState(LPCTSTR lpszProfileName, int nIndex) override;
    // The framework's keys, then the toolkit's in any case; the result is the framework's.
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState) override;

    CSize m_szMRUHorzDock;
    CSize m_szMRUVertDock;
    CSize m_szMRUFloat;
    DWORD m_dwMRUDockingState;
    DWORD m_dwDockStyle;
    float m_fPctWidth;
    DWORD m_dwExStyle;
    BOOL m_bPrevFloating;
    BOOL m_bMDIChild;

protected:
    void SerializeExtension(CArchive& ar) override;
};

// A share of a row as saved: the share times 1,000,000 in single precision, truncated, as text;
// and back.
CString SECPctWidthText(float fPctWidth);
float SECPctWidthFromText(LPCTSTR text);
