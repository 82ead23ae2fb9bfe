#include "shell/QZSaveAsDlg.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/DialogModalLoop.h"
#include "res/Resource.h"

namespace {

constexpr int kTitleLimit = 50;
constexpr int kFileNameLimit = 30;

} // namespace

QZSaveAsDlg::QZSaveAsDlg(CWnd* pParent)
    : m_bSection(FALSE), m_bPage(FALSE), m_ServiceKey(-1, -1, OBJ_SERVICE),
      m_SectionKey(-1, -1, OBJ_SECTION) {
    m_pParentWnd = pParent;
}

INT_PTR QZSaveAsDlg::DoModal() {
    m_nModalResult = IDCANCEL;
    if (!Create(IDD_SAVEAS, GetSafeOwner(m_pParentWnd)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

BOOL QZSaveAsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CWnd* key = GetDlgItem(IDC_SAVEAS_KEY))
        key->SetWindowText(m_strKey);
    m_TitleEdit.SubclassDlgItem(IDC_SAVEAS_TITLE, this);
    m_TitleEdit.LimitText(kTitleLimit);
    m_TitleEdit.SetWindowText(m_strTitle);
    m_ServiceCombo.SubclassDlgItem(IDC_SAVEAS_SERVICE, this);
    m_ServiceCombo.Fill(m_ServiceKey);
    if (m_bSection) {
        m_SectionCombo.SubclassDlgItem(IDC_SAVEAS_SECTION, this);
        m_SectionCombo.Fill(m_ServiceKey, m_SectionKey);
    } else {
        ShowItem(IDC_SAVEAS_SECTION_LABEL, FALSE);
        ShowItem(IDC_SAVEAS_SECTION_BITMAP, FALSE);
        ShowItem(IDC_SAVEAS_SECTION, FALSE);
    }
    if (m_bPage) {
        m_FileNameEdit.SubclassDlgItem(IDC_SAVEAS_FILENAME, this);
        m_FileNameEdit.LimitText(kFileNameLimit);
        m_FileNameEdit.SetWindowText(m_strFileName);
        ShowItem(IDC_SAVEAS_FILENAME_LABEL, TRUE);
        ShowItem(IDC_SAVEAS_FILENAME, TRUE);
    }
    return TRUE;
}

void QZSaveAsDlg::OnOK() {
    CDialog::OnOK();
    m_TitleEdit.GetWindowText(m_strTitle);
    if (m_ServiceCombo.GetSafeHwnd())
        m_ServiceKey = m_ServiceCombo.GetSelectedKey();
    if (m_bSection && m_SectionCombo.GetSafeHwnd())
        m_SectionKey = m_SectionCombo.GetSelectedKey();
    if (m_bPage)
        m_FileNameEdit.GetWindowText(m_strFileName);
}

BOOL QZSaveAsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_SAVEAS_SERVICE && HIWORD(wParam) == CBN_SELENDOK) {
        OnSiteChosen();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void QZSaveAsDlg::OnSiteChosen() {
    if (m_bSection && m_SectionCombo.GetSafeHwnd())
        m_SectionCombo.Fill(m_ServiceCombo.GetSelectedKey(), m_SectionKey);
}

void QZSaveAsDlg::ShowItem(UINT id, BOOL show) {
    if (CWnd* item = GetDlgItem(static_cast<int>(id)))
        item->ShowWindow(show ? SW_SHOW : SW_HIDE);
}
