#include "wintoolkit/display/SECSystemData.h"

#include "platform/ui/Cursors.h"
#include "platform/ui/SystemSettings.h"

namespace {

// A colour scheme change (or the window system's start) reads the colours and the arrow
// cursor again.
void Refresh() {
    secData.UpdateSysColors();
    if (!secData.hcurArrow)
        secData.hcurArrow = LoadCursor(nullptr, IDC_ARROW);
}

} // namespace

SECSystemData secData;
BOOL secWorkbookMode = FALSE;

SECSystemData::SECSystemData() {
    // The system here counts as Windows 4 and later: its borders and captions are the new ones.
    bWin4 = TRUE;
    UpdateSysColors();
    hcurHSize = nullptr;
    hcurVSize = nullptr;
    hcurArrow = LoadCursor(nullptr, IDC_ARROW);
    cxBorder2 = bWin4 ? 2 : 1;
    cyBorder2 = bWin4 ? 2 : 1;
    AddSysColorChangeListener(&Refresh);
}

void SECSystemData::UpdateSysColors() {
    clrBtnFace = GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = GetSysColor(COLOR_BTNHIGHLIGHT);
    clrWindowFrame = GetSysColor(COLOR_WINDOWFRAME);
}

HCURSOR SECSystemData::GetHSizeCursor() {
    if (!hcurHSize)
        hcurHSize = AfxLoadCursor(SEC_IDC_HSIZEBAR);
    return hcurHSize;
}

HCURSOR SECSystemData::GetVSizeCursor() {
    if (!hcurVSize)
        hcurVSize = AfxLoadCursor(SEC_IDC_VSIZEBAR);
    return hcurVSize;
}
