#include "shell/QZQueryWizardP1.h"

#include "content/QZVantrelQuery.h"
#include "db/QZApplication.h"
#include "res/Resource.h"
#include "shell/QZQueryWizardBase.h"

namespace {

BOOL IsEmptyKey(const QZKeyCombo& key) {
    return (key.m_DbID == 0 && key.m_KeyID == 0) || (key.m_DbID == -1 && key.m_KeyID == -1);
}

} // namespace

QZQueryWizardP1::QZQueryWizardP1() : CPropertyPage(IDD_QUERYWIZ_P1) {}

BOOL QZQueryWizardP1::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_Queries.SubclassDlgItem(IDC_QWIZ_QUERY, this);
    QZApplication* app = GetVantrelApp();
    m_Queries.Fill(app ? app->GetCurrentServiceKey() : QZKeyCombo(-1, -1), QZKeyCombo(0, 0), TRUE);
    m_Print.SubclassDlgItem(IDC_QWIZ_PRINT, this);
    m_Print.SetCheck(BST_CHECKED);
    if (QZQueryWizardBase* sheet = Sheet())
        sheet->m_nMode = QZQueryWizardBase::PRINT_ROWS;
    return TRUE;
}

BOOL QZQueryWizardP1::OnSetActive() {
    if (QZQueryWizardBase* sheet = Sheet())
        sheet->SetWizardButtons(PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT QZQueryWizardP1::OnWizardNext() {
    QZQueryWizardBase* sheet = Sheet();
    if (!sheet || !sheet->GetQuery() || IsEmptyKey(sheet->GetQueryKey()))
        return -1;
    sheet->SetUpPages();
    return 0;
}

BOOL QZQueryWizardP1::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    QZQueryWizardBase* sheet = Sheet();
    if (id == IDC_QWIZ_QUERY && HIWORD(wParam) == CBN_SELENDOK) {
        OnQueryChosen();
        return TRUE;
    }
    const LONG modes[] = {QZQueryWizardBase::PRINT_ROWS, QZQueryWizardBase::ADD_ROWS,
                          QZQueryWizardBase::EDIT_ROWS};
    const UINT buttons[] = {IDC_QWIZ_PRINT, IDC_QWIZ_ADDROWS, IDC_QWIZ_EDITROWS};
    for (int i = 0; i < 3; ++i) {
        if (id == buttons[i] && HIWORD(wParam) == BN_CLICKED && sheet) {
            sheet->m_nMode = modes[i];
            return TRUE;
        }
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void QZQueryWizardP1::OnQueryChosen() {
    QZQueryWizardBase* sheet = Sheet();
    if (!sheet)
        return;
    const QZKeyCombo key = m_Queries.GetSelectedKey();
    // The row may come from the recordset cache: the wizard changes nothing.
    sheet->SetQuery(IsEmptyKey(key) ? nullptr : std::make_unique<QZVantrelQuery>(key, FALSE), key);
    sheet->SetWizardButtons(PSWIZB_NEXT);
}

QZQueryWizardBase* QZQueryWizardP1::Sheet() const {
    return dynamic_cast<QZQueryWizardBase*>(GetParent());
}
