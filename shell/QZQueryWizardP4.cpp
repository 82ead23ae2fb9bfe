#include "shell/QZQueryWizardP4.h"

#include "res/Resource.h"
#include "shell/QZQueryWizardBase.h"

QZQueryWizardP4::QZQueryWizardP4() : CPropertyPage(IDD_QUERYWIZ_P4) {}

BOOL QZQueryWizardP4::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_RowCount.SubclassDlgItem(IDC_QWIZ_ROWCOUNT, this);
    m_NoRows.SubclassDlgItem(IDC_QWIZ_NOROWS, this);
    m_RowCount.SetCheck(BST_CHECKED);
    m_NoRows.SetCheck(BST_CHECKED);
    return TRUE;
}

BOOL QZQueryWizardP4::OnSetActive() {
    if (QZQueryWizardBase* sheet = Sheet())
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT QZQueryWizardP4::OnWizardNext() {
    QZQueryWizardBase* sheet = Sheet();
    if (!sheet)
        return 0;
    sheet->m_strRowCount = m_RowCount.GetCheck() == BST_CHECKED
                               ? "There are <<print [RowCount]>> items in this query.\r\n"
                               : "";
    sheet->m_strNoRows =
        m_NoRows.GetCheck() == BST_CHECKED ? "There are no items in this query.\r\n" : "";
    return 0;
}

QZQueryWizardBase* QZQueryWizardP4::Sheet() const {
    return dynamic_cast<QZQueryWizardBase*>(GetParent());
}
