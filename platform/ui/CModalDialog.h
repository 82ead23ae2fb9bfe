#pragma once
// A dialog of a template run modally: DoModal builds it, shows it, returns when it ends (OK,
// Cancel or EndDialog) with its result, and destroys its window.

#include "platform/ui/CDialog.h"

class CModalDialog : public CDialog {
    DECLARE_DYNAMIC(CModalDialog)
public:
    CModalDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the dialog cannot be built.
    virtual INT_PTR DoModal();
    BOOL IsRunningModal() const { return m_bRunning; }

private:
    UINT m_nIDTemplate;
    BOOL m_bRunning = FALSE;
};
