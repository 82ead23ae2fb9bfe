#include "shell/QZPrefGeneralPage.h"

#include "platform/ui/CDataExchange.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"

QZPrefGeneralPage::QZPrefGeneralPage() : CPropertyPage(IDD_PREF_GENERAL) {}

BOOL QZPrefGeneralPage::OnInitDialog() {
    m_bUseWizards = g_bUseWizards ? 1 : 0;
    if (const CVantrel3App* app = GetVantrel3App()) {
        m_bVerboseMessages = app->m_bVerboseMessages ? 1 : 0;
        m_bHelpRemote = app->m_bHelpRemote ? 1 : 0;
    }
    return CPropertyPage::OnInitDialog();
}

void QZPrefGeneralPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PREF_USE_WIZARDS, m_bUseWizards);
    DDX_Check(pDX, IDC_PREF_VERBOSE, m_bVerboseMessages);
    DDX_Check(pDX, IDC_PREF_HELP_REMOTE, m_bHelpRemote);
}

void QZPrefGeneralPage::OnOK() {
    CPropertyPage::OnOK();
    g_bUseWizards = m_bUseWizards != 0;
    if (CVantrel3App* app = GetVantrel3App()) {
        app->m_bVerboseMessages = m_bVerboseMessages != 0;
        app->m_bHelpRemote = m_bHelpRemote != 0;
    }
}
