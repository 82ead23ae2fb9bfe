#include "shell/QZSiteWizardP5.h"

#include "content/QZService.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WindowMessages.h"
#include "res/SiteWizardIds.h"
#include "shell/QZSiteWizardBase.h"

QZSiteWizardP5::QZSiteWizardP5() : QZSiteWizardPage(IDD_SITEWIZ_P5) {}

void QZSiteWizardP5::LoadFields() {
    if (m_pService) {
        m_strProductionPath = m_pService->GetRecordset()->m_ProductionPath;
        m_strDatabasePath = m_pService->GetRecordset()->m_ProductionDatabasePath;
    }
}

LRESULT QZSiteWizardP5::Store() {
    if (!UpdateData(TRUE))
        return -1;
    if (m_pService) {
        m_pService->GetRecordset()->m_ProductionPath = m_strProductionPath;
        m_pService->GetRecordset()->m_ProductionDatabasePath = m_strDatabasePath;
    }
    return 0;
}

BOOL QZSiteWizardP5::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_SWIZ_PRODPATH_BROWSE) {
        UpdateData(TRUE);
        if (QZSiteWizardBase::BrowseForFolder(this, m_strProductionPath))
            UpdateData(FALSE);
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_SWIZ_PRODDB_BROWSE) {
        UpdateData(TRUE);
        if (QZSiteWizardBase::BrowseForDatabase(this, m_strDatabasePath))
            UpdateData(FALSE);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void QZSiteWizardP5::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SWIZ_PRODPATH, m_strProductionPath);
    DDX_Text(pDX, IDC_SWIZ_PRODDB, m_strDatabasePath);
}
