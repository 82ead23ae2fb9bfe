#include "platform/ui/CModalDialog.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/WindowStyles.h"

#include <wx/dialog.h>

IMPLEMENT_DYNAMIC(CModalDialog, CDialog)

CModalDialog::CModalDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate) {
    m_pParentWnd = pParentWnd;
}

INT_PTR CModalDialog::DoModal() {
    CWnd* owner = GetSafeOwner(m_pParentWnd);
    if (!Create(m_nIDTemplate, owner))
        return -1;
    auto* window = dynamic_cast<wxDialog*>(GetSafeHwnd());
    if (!window) {
        DestroyWindow();
        return -1;
    }
    m_nModalResult = IDCANCEL;
    m_bRunning = TRUE;
    // Ending the dialog hides it, which ends the modal loop.
    window->ShowModal();
    m_bRunning = FALSE;
    DestroyWindow();
    return m_nModalResult;
}
