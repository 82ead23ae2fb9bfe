#include "shell/QZSiteWizardP3.h"

#include "content/QZService.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WindowMessages.h"
#include "res/SiteWizardIds.h"
#include "shell/QZSiteWizardBase.h"

QZSiteWizardP3::QZSiteWizardP3() : QZSiteWizardPage(IDD_SITEWIZ_P3) {}

void QZSiteWizardP3::LoadFields() {
    if (m_pService) {
        m_strClientsDb = m_pService->GetRecordset()->m_ClientsDb;
        m_strClientsProdDb = m_pService->GetRecordset()->m_ClientsProdDb;
    }
}

LRESULT QZSiteWizardP3::Store() {
    if (!UpdateData(TRUE))
        return -1;
    if (m_pService) {
        m_pService->GetRecordset()->m_ClientsDb = m_strClientsDb;
        m_pService->GetRecordset()->m_ClientsProdDb = m_strClientsProdDb;
    }
    return 0;
}

BOOL QZSiteWizardP3::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        CString* field = LOWORD(wParam) == IDC_SWIZ_CLIENTSDB_BROWSE       ? &m_strClientsDb
                         : LOWORD(wParam) == IDC_SWIZ_CLIENTSPRODDB_BROWSE ? &m_strClientsProdDb
                                                                           : nullptr;
        if (field) {
            UpdateData(TRUE);
            if (QZSiteWizardBase::BrowseForDatabase(this, *field))
                UpdateData(FALSE);
            return TRUE;
        }
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void QZSiteWizardP3::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SWIZ_CLIENTSDB, m_strClientsDb);
    DDX_Text(pDX, IDC_SWIZ_CLIENTSPRODDB, m_strClientsProdDb);
}
