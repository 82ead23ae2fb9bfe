#include "platform/ui/CPropertyPage.h"

#include "platform/ui/CPropertySheet.h"
#include "platform/ui/DialogTemplates.h"

#include <utility>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : m_nIDTemplate(nIDTemplate), m_nIDCaption(nIDCaption) {}

CString CPropertyPage::GetCaption() const {
    CString caption;
    if (m_nIDCaption != 0 && caption.LoadString(m_nIDCaption))
        return caption;
    const DialogTemplate* dialog = DialogTemplates::Lookup(m_nIDTemplate);
    return CString(dialog && dialog->caption ? dialog->caption : "");
}

CWnd* CPropertyPage::GetParent() const {
    // The page's window lies inside the sheet's tabs; the page's parent is the sheet itself.
    if (m_pSheet)
        return m_pSheet;
    return CDialog::GetParent();
}

BOOL CPropertyPage::OnSetActive() {
    if (!std::exchange(m_firstSetActive, false))
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

LRESULT CPropertyPage::OnWizardBack() {
    return 0;
}

LRESULT CPropertyPage::OnWizardNext() {
    return 0;
}

BOOL CPropertyPage::OnWizardFinish() {
    return TRUE;
}
