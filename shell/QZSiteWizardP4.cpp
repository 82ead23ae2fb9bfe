#include "shell/QZSiteWizardP4.h"

#include "content/QZService.h"
#include "platform/ui/CDataExchange.h"
#include "res/SiteWizardIds.h"
#include "shell/QZSiteWizardBase.h"

QZSiteWizardP4::QZSiteWizardP4() : QZSiteWizardPage(IDD_SITEWIZ_P4) {}

void QZSiteWizardP4::LoadFields() {
    m_Local.SubclassDlgItem(IDC_SWIZ_LOCAL, this);
    m_Remote.SubclassDlgItem(IDC_SWIZ_REMOTE, this);
    if (m_pService) {
        m_strDomain = m_pService->GetRecordset()->m_ProductionAlias;
        const BOOL remote = m_pService->GetRecordset()->m_ProductionUse_ftp != 0;
        (remote ? m_Remote : m_Local).SetCheck(BST_CHECKED);
    }
}

LRESULT QZSiteWizardP4::Store() {
    if (!UpdateData(TRUE))
        return -1;
    if (m_pService) {
        m_pService->GetRecordset()->m_ProductionAlias = m_strDomain;
        m_pService->GetRecordset()->m_ProductionUse_ftp =
            m_Remote.GetCheck() == BST_CHECKED ? 1 : 0;
    }
    if (m_pSheet)
        m_pSheet->RebuildPagesAfterP4();
    return 0;
}

void QZSiteWizardP4::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SWIZ_DOMAIN, m_strDomain);
}
