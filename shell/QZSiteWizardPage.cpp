#include "shell/QZSiteWizardPage.h"

#include "platform/ui/WindowMessages.h"
#include "shell/QZSiteWizardBase.h"

QZSiteWizardPage::QZSiteWizardPage(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}

BOOL QZSiteWizardPage::OnInitDialog() {
    m_pSheet = dynamic_cast<QZSiteWizardBase*>(GetParent());
    LoadFields();
    return CPropertyPage::OnInitDialog();
}

BOOL QZSiteWizardPage::OnSetActive() {
    if (m_pSheet)
        m_pSheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT QZSiteWizardPage::OnWizardNext() {
    return Store();
}

LRESULT QZSiteWizardPage::OnWizardBack() {
    return Store();
}
