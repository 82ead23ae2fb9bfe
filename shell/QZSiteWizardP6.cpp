#include "shell/QZSiteWizardP6.h"

#include "content/QZService.h"
#include "platform/ui/CDataExchange.h"
#include "res/SiteWizardIds.h"
#include "shell/QZSiteWizardBase.h"

QZSiteWizardP6::QZSiteWizardP6() : QZSiteWizardPage(IDD_SITEWIZ_P6) {}

void QZSiteWizardP6::LoadFields() {
    if (m_pService) {
        const CServicesSet& site = *m_pService->GetRecordset();
        m_strAddress = QZSiteWizardBase::ProposeFtpAddress(site.m_ProductionAlias);
        m_strDocRoot = site.m_ftpDocRoot;
        m_strUser = site.m_Production_ftp_User;
        m_strPassword = site.m_Production_ftp_Password.Get();
    }
}

LRESULT QZSiteWizardP6::Store() {
    if (!UpdateData(TRUE))
        return -1;
    if (m_pService) {
        CServicesSet& site = *m_pService->GetRecordset();
        site.m_Production_ftp_Address = m_strAddress;
        site.m_ftpDocRoot = m_strDocRoot;
        site.m_Production_ftp_User = m_strUser;
        site.m_Production_ftp_Password = m_strPassword;
    }
    return 0;
}

void QZSiteWizardP6::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SWIZ_FTPADDRESS, m_strAddress);
    DDX_Text(pDX, IDC_SWIZ_FTPROOT, m_strDocRoot);
    DDX_Text(pDX, IDC_SWIZ_FTPUSER, m_strUser);
    DDX_Text(pDX, IDC_SWIZ_FTPPASSWORD, m_strPassword);
}
