#include "shell/QZQueryWizardP7.h"

#include "res/Resource.h"
#include "shell/QZQueryWizardBase.h"

QZQueryWizardP7::QZQueryWizardP7() : CPropertyPage(IDD_QUERYWIZ_P7) {}

BOOL QZQueryWizardP7::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_Submit.SubclassDlgItem(IDC_QWIZ_SUBMIT, this);
    m_Reset.SubclassDlgItem(IDC_QWIZ_RESET, this);
    m_SubmitCaption.SubclassDlgItem(IDC_QWIZ_SUBMIT_CAPTION, this);
    m_ResetCaption.SubclassDlgItem(IDC_QWIZ_RESET_CAPTION, this);
    m_SubmitCaption.SetWindowText("Submit");
    m_ResetCaption.SetWindowText("Reset");
    m_Submit.SetCheck(BST_CHECKED);
    m_Reset.SetCheck(BST_CHECKED);
    return TRUE;
}

BOOL QZQueryWizardP7::OnSetActive() {
    if (QZQueryWizardBase* sheet = Sheet())
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    return CPropertyPage::OnSetActive();
}

BOOL QZQueryWizardP7::OnWizardFinish() {
    QZQueryWizardBase* sheet = Sheet();
    if (!sheet)
        return TRUE;
    sheet->m_strButtons.Empty();
    CString caption;
    if (m_Submit.GetCheck() == BST_CHECKED) {
        m_SubmitCaption.GetWindowText(caption);
        sheet->m_strButtons += "<input type=\"submit\" value=\"" + caption + "\">\r\n";
    }
    if (m_Reset.GetCheck() == BST_CHECKED) {
        m_ResetCaption.GetWindowText(caption);
        sheet->m_strButtons += "<input type=\"reset\" value=\"" + caption + "\">\r\n";
    }
    sheet->BuildQueryText();
    return TRUE;
}

BOOL QZQueryWizardP7::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_QWIZ_SUBMIT) {
        m_SubmitCaption.EnableWindow(m_Submit.GetCheck() == BST_CHECKED);
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_QWIZ_RESET) {
        m_ResetCaption.EnableWindow(m_Reset.GetCheck() == BST_CHECKED);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

QZQueryWizardBase* QZQueryWizardP7::Sheet() const {
    return dynamic_cast<QZQueryWizardBase*>(GetParent());
}
