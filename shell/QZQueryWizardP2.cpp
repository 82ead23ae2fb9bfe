#include "shell/QZQueryWizardP2.h"

#include "res/Resource.h"
#include "shell/QZQueryWizardBase.h"

QZQueryWizardP2::QZQueryWizardP2() : CPropertyPage(IDD_QUERYWIZ_P2) {}

BOOL QZQueryWizardP2::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_Parameters.SubclassDlgItem(IDC_QWIZ_PARAMETERS, this);
    return TRUE;
}

BOOL QZQueryWizardP2::OnSetActive() {
    QZQueryWizardBase* sheet = Sheet();
    if (!sheet)
        return FALSE;
    sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    CString text;
    m_Parameters.GetWindowText(text);
    if (text.IsEmpty()) {
        for (const CString& name : sheet->GetParameterNames()) {
            if (!text.IsEmpty())
                text += "\r\n";
            text += name + "=???";
        }
        m_Parameters.SetWindowText(text);
    }
    return CPropertyPage::OnSetActive();
}

LRESULT QZQueryWizardP2::OnWizardNext() {
    if (QZQueryWizardBase* sheet = Sheet()) {
        CString text;
        m_Parameters.GetWindowText(text);
        text.Replace("\r", ",");
        text.Replace("\n", " ");
        sheet->m_strParameters = text;
    }
    return 0;
}

void QZQueryWizardP2::Clear() {
    m_Parameters.SetWindowText("");
}

QZQueryWizardBase* QZQueryWizardP2::Sheet() const {
    return dynamic_cast<QZQueryWizardBase*>(GetParent());
}
