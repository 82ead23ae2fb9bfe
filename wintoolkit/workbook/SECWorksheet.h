#pragma once
// A document frame that the workbook shows as a worksheet tab: it joins its workbook when its
// frame is loaded, leaves it when destroyed, and has its tab repainted when it is activated,
// deactivated, maximised or restored.

#include "wintoolkit/frame/SECMDIChildWnd.h"

class SECWorkbook;

class SECWorksheet : public SECMDIChildWnd {
    DECLARE_DYNCREATE(SECWorksheet)
public:
    SECWorksheet();

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                   CCreateContext* pContext = nullptr) override;
    SECWorkbook* GetWorkbook() const;

    HICON m_hIcon;
    int m_nTabIndex;
    BOOL m_bPressed;

protected:
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) override;
    void OnDestroy() override;
    void OnSysCommand(UINT nID, LPARAM lParam) override;
};
