#pragma once
// A docking bar whose contents come from a dialog template of the resources: the template's
// controls in a sizable bar that starts at the template's size, and is updated at idle through
// the frame's command handlers.

#include "wintoolkit/docking/SECControlBar.h"

class SECDialogBar : public SECControlBar {
    DECLARE_DYNAMIC(SECDialogBar)
public:
    SECDialogBar();
    ~SECDialogBar() override;

    using SECControlBar::Create;
    // The bar with the controls of template lpszTemplateName (an id made with
    // MAKEINTRESOURCE); FALSE when any step fails.
    virtual BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle, DWORD dwExStyle,
                        UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, DWORD dwStyle, DWORD dwExStyle, UINT nID);
    // There are no embedded controls of the original kind: the information is only kept.
    virtual BOOL SetOccDialogInfo(void* pOccDialogInfo);
    void* GetOccDialogInfo() const { return m_pOccDialogInfo; }
    // Enables, checks and names the dialog's controls by their ids.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    CSize m_sizeDefault;

private:
    void* m_pOccDialogInfo = nullptr;
    LPCTSTR m_lpszTemplateName = nullptr;
};
