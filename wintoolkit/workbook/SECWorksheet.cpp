#include "wintoolkit/workbook/SECWorksheet.h"

#include "platform/ui/WindowStyles.h"
#include "wintoolkit/workbook/SECWorkbook.h"

IMPLEMENT_DYNCREATE(SECWorksheet, SECMDIChildWnd)

SECWorksheet::SECWorksheet() : m_hIcon(nullptr), m_nTabIndex(0), m_bPressed(FALSE) {}

SECWorkbook* SECWorksheet::GetWorkbook() const {
    return dynamic_cast<SECWorkbook*>(GetMDIFrame());
}

BOOL SECWorksheet::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
    const BOOL loaded =
        SECMDIChildWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
    if (!loaded)
        return loaded;
    if (SECWorkbook* workbook = GetWorkbook())
        workbook->AddSheet(this);
    // The tab icon is the icon resource of the frame's id; the resources hold no icons, so a
    // sheet has none.
    m_hIcon = nullptr;
    return loaded;
}

void SECWorksheet::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) {
    SECMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    SECWorkbook* workbook = GetWorkbook();
    if (!workbook)
        return;
    for (CWnd* wnd : {pDeactivateWnd, pActivateWnd}) {
        auto* sheet = dynamic_cast<SECWorksheet*>(wnd);
        if (sheet && workbook->FindSheet(sheet, nullptr))
            workbook->InvalidateTab(sheet, FALSE);
    }
}

void SECWorksheet::OnSysCommand(UINT nID, LPARAM lParam) {
    const UINT command = nID & 0xFFF0;
    if (command == SC_MAXIMIZE || command == SC_RESTORE) {
        if (SECWorkbook* workbook = GetWorkbook(); workbook && workbook->GetSafeHwnd())
            workbook->Invalidate(TRUE);
    }
    SECMDIChildWnd::OnSysCommand(nID, lParam);
}

void SECWorksheet::OnDestroy() {
    if (SECWorkbook* workbook = GetWorkbook())
        workbook->RemoveSheet(this);
    SECMDIChildWnd::OnDestroy();
}
