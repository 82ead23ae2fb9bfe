#include "shell/QZSiteWizardP2.h"

#include "content/QZService.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WindowMessages.h"
#include "res/SiteWizardIds.h"
#include "shell/QZSiteWizardBase.h"

QZSiteWizardP2::QZSiteWizardP2() : QZSiteWizardPage(IDD_SITEWIZ_P2) {}

void QZSiteWizardP2::LoadFields() {
    if (m_pService) {
        m_strDevelopPath = m_pService->GetRecordset()->m_DevelopPath;
        m_strDirectory = m_pService->GetRecordset()->m_Directory;
    }
    m_DirectoryEdit.SubclassDlgItem(IDC_SWIZ_DIRECTORY, this);
}

LRESULT QZSiteWizardP2::Store() {
    if (!UpdateData(TRUE) || !QZDirectoryEdit::CheckDirectoryName(m_strDirectory))
        return -1;
    if (m_pService) {
        m_pService->SetDevelopPath(m_strDevelopPath);
        m_pService->SetDirectory(m_strDirectory);
    }
    return 0;
}

BOOL QZSiteWizardP2::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_SWIZ_DEVROOT_BROWSE && HIWORD(wParam) == BN_CLICKED) {
        UpdateData(TRUE);
        if (QZSiteWizardBase::BrowseForFolder(this, m_strDevelopPath))
            UpdateData(FALSE);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void QZSiteWizardP2::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SWIZ_DEVROOT, m_strDevelopPath);
    DDX_Text(pDX, IDC_SWIZ_DIRECTORY, m_strDirectory);
}
