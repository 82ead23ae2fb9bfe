#pragma once
// The display data that the toolkit's windows share: border widths, four system colours, the
// cursors of bar sizing and the Windows 4 flag. One static object, secData; its colours follow
// the desktop's colour scheme (read again on every change, and once the first window shows).

#include "platform/core/COLORREF.h"
#include "platform/ui/WinTypes.h"

// The cursor resources of bar sizing: across vertical bands, and across horizontal ones.
constexpr UINT SEC_IDC_HSIZEBAR = 30980;
constexpr UINT SEC_IDC_VSIZEBAR = 30981;

class SECSystemData {
public:
    SECSystemData();

    // Reads the four colours again.
    void UpdateSysColors();
    // The sizing cursors, loaded the first time they are asked for.
    HCURSOR GetHSizeCursor();
    HCURSOR GetVSizeCursor();

    int cxBorder2;
    int cyBorder2;
    COLORREF clrBtnFace;
    COLORREF clrBtnShadow;
    COLORREF clrBtnHilite;
    COLORREF clrWindowFrame;
    HCURSOR hcurArrow;
    HCURSOR hcurHSize;
    HCURSOR hcurVSize;
    BOOL bWin4;
};

extern SECSystemData secData;
// The toolkit-wide workbook flag: set by the workbook's SetWorkbookMode.
extern BOOL secWorkbookMode;
