#include "shell/QZQueryWizardP6.h"

#include "platform/ui/CListBox.h"
#include "res/Resource.h"
#include "shell/QZQueryWizardBase.h"

QZQueryWizardP6::QZQueryWizardP6() : CPropertyPage(IDD_QUERYWIZ_P6) {}

BOOL QZQueryWizardP6::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_Fields.SubclassDlgItem(IDC_QWIZ_FIELDS, this);
    m_Action.SubclassDlgItem(IDC_QWIZ_ACTION, this);
    return TRUE;
}

BOOL QZQueryWizardP6::OnSetActive() {
    QZQueryWizardBase* sheet = Sheet();
    if (!sheet)
        return FALSE;
    sheet->SetWizardButtons(sheet->m_nMode == QZQueryWizardBase::PRINT_ROWS
                                ? PSWIZB_BACK | PSWIZB_FINISH
                                : PSWIZB_BACK | PSWIZB_NEXT);
    m_Fields.ResetContent();
    m_actions.clear();
    m_nSelected = -1;
    m_Action.SetWindowText("");
    for (int i = 0; i < sheet->GetFieldCount(); ++i) {
        m_Fields.AddString(sheet->GetFieldName(i));
        m_actions.emplace_back();
    }
    return CPropertyPage::OnSetActive();
}

LRESULT QZQueryWizardP6::OnWizardNext() {
    BuildGroupText();
    return 0;
}

BOOL QZQueryWizardP6::OnWizardFinish() {
    BuildGroupText();
    if (QZQueryWizardBase* sheet = Sheet())
        sheet->BuildQueryText();
    return TRUE;
}

void QZQueryWizardP6::OnCancel() {
    m_actions.clear();
}

BOOL QZQueryWizardP6::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_QWIZ_FIELDS && HIWORD(wParam) == LBN_SELCHANGE) {
        OnSelectionChanged();
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void QZQueryWizardP6::OnSelectionChanged() {
    KeepShownAction();
    const int line = m_Fields.GetCurSel();
    m_nSelected = line;
    if (line < 0 || line >= static_cast<int>(m_actions.size())) {
        m_Action.SetWindowText("");
        return;
    }
    const BOOL checked = m_Fields.GetCheck(line);
    if (checked && !m_actions[line]) {
        CString field;
        m_Fields.GetText(line, field);
        m_actions[line] = "<h1><<print [" + field + "]>></h1>";
    }
    m_Action.SetWindowText(checked ? *m_actions[line] : CString());
}

void QZQueryWizardP6::KeepShownAction() {
    if (m_nSelected < 0 || m_nSelected >= static_cast<int>(m_actions.size()) ||
        !m_actions[m_nSelected])
        return;
    CString text;
    m_Action.GetWindowText(text);
    m_actions[m_nSelected] = text;
}

void QZQueryWizardP6::BuildGroupText() {
    QZQueryWizardBase* sheet = Sheet();
    if (!sheet)
        return;
    // What the user typed for the line selected last counts as well.
    KeepShownAction();
    sheet->m_strGroup.Empty();
    for (int line = 0; line < m_Fields.GetCount(); ++line) {
        if (!m_Fields.GetCheck(line))
            continue;
        CString field;
        m_Fields.GetText(line, field);
        const bool hasAction = line < static_cast<int>(m_actions.size()) && m_actions[line];
        if (hasAction)
            sheet->m_strGroup += "\t<<group [" + field + "]>>\r\n\t\t" + *m_actions[line] +
                                 "\r\n\t<</group>> <br>\r\n";
        else
            sheet->m_strGroup += "\t<<group [" + field + "]>>\r\n\t\t<h3><<print[" + field +
                                 "]>></h3>\r\n<</group>> <br>\r\n";
    }
    m_actions.assign(m_actions.size(), std::nullopt);
    m_nSelected = -1;
}

QZQueryWizardBase* QZQueryWizardP6::Sheet() const {
    return dynamic_cast<QZQueryWizardBase*>(GetParent());
}
