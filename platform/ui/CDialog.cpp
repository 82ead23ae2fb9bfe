#include "platform/ui/CDialog.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxDialogWindow.h"

#include <wx/app.h>

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    // A parent window set before (a dialog that chose its owner itself) stays the parent.
    if (!m_pParentWnd)
        m_pParentWnd = parent;
    const DialogTemplate* dialog = DialogTemplates::Lookup(templateId);
    if (!dialog || GetSafeHwnd() || !wxTheApp)
        return FALSE;
    CWnd* over = parent ? parent : m_pParentWnd;
    wxWindow* owner = over ? over->GetSafeHwnd() : nullptr;
    WxDialogWindow* window = WxDialogWindow::Build(*dialog, owner);
    if (!window)
        return FALSE;
    Attach(window);
    OnInitDialog();
    if (GetSafeHwnd() && (dialog->style & WS_VISIBLE))
        window->Show();
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    if (wxWindow* window = GetSafeHwnd())
        window->Hide();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}
