#include "platform/ui/CDialog.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxDialogWindow.h"

#include <wx/app.h>
#include <wx/window.h>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

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
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeRefused&) {
        return FALSE;
    }
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

void CDialog::MapDialogRect(LPRECT lpRect) const {
    const wxWindow* window = GetSafeHwnd();
    if (!window || !lpRect)
        return;
    const wxPoint topLeft = window->ConvertDialogToPixels(wxPoint(lpRect->left, lpRect->top));
    const wxPoint bottomRight =
        window->ConvertDialogToPixels(wxPoint(lpRect->right, lpRect->bottom));
    *lpRect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl)
        pWndCtrl->SetFocus();
}

void CDialog::NextDlgCtrl() const {
    if (CWnd* next = GetNextDlgTabItem(GetFocus(), FALSE))
        next->SetFocus();
}

void CDialog::PrevDlgCtrl() const {
    if (CWnd* previous = GetNextDlgTabItem(GetFocus(), TRUE))
        previous->SetFocus();
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
        OnOK();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}
