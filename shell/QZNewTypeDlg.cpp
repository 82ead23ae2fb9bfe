#include "shell/QZNewTypeDlg.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/DialogModalLoop.h"
#include "res/Resource.h"

#include <utility>

QZNewTypeDlg::QZNewTypeDlg(std::vector<CString> names, CWnd* pParent) : m_names(std::move(names)) {
    m_pParentWnd = pParent;
}

INT_PTR QZNewTypeDlg::DoModal() {
    m_nModalResult = IDCANCEL;
    m_nChosen = -1;
    if (!Create(IDD_NEWTYPE, GetSafeOwner(m_pParentWnd)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

BOOL QZNewTypeDlg::OnInitDialog() {
    m_List.SubclassDlgItem(IDC_NEWTYPE_LIST, this);
    CDialog::OnInitDialog();
    for (const CString& name : m_names)
        m_List.AddString(name);
    // The first kind is chosen until the user picks another.
    m_List.SetCurSel(0);
    return TRUE;
}

BOOL QZNewTypeDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_NEWTYPE_LIST && HIWORD(wParam) == LBN_DBLCLK) {
        OnOK();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void QZNewTypeDlg::OnOK() {
    const int chosen = m_List.GetCurSel();
    if (chosen < 0 || chosen >= static_cast<int>(m_names.size()))
        return;
    m_nChosen = chosen;
    CDialog::OnOK();
}
