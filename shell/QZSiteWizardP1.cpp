#include "shell/QZSiteWizardP1.h"

#include "content/QZService.h"
#include "platform/ui/CDataExchange.h"
#include "res/SiteWizardIds.h"
#include "shell/QZSiteWizardBase.h"

QZSiteWizardP1::QZSiteWizardP1() : CPropertyPage(IDD_SITEWIZ_P1) {}

BOOL QZSiteWizardP1::OnInitDialog() {
    m_pSheet = dynamic_cast<QZSiteWizardBase*>(GetParent());
    if (m_pService) {
        m_strName = m_pService->GetRecordset()->m_Name;
        m_strWebmaster = m_pService->GetRecordset()->m_WebMasterEmail;
    }
    return CPropertyPage::OnInitDialog();
}

BOOL QZSiteWizardP1::OnSetActive() {
    if (m_pSheet)
        m_pSheet->SetWizardButtons(PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT QZSiteWizardP1::OnWizardNext() {
    if (!UpdateData(TRUE))
        return -1;
    if (m_pService) {
        m_pService->GetRecordset()->m_Name = m_strName;
        m_pService->GetRecordset()->m_WebMasterEmail = m_strWebmaster;
    }
    return 0;
}

void QZSiteWizardP1::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SWIZ_NAME, m_strName);
    DDX_Text(pDX, IDC_SWIZ_WEBMASTER, m_strWebmaster);
}
