#include "shell/QZPrefConfimPage.h"

#include "platform/ui/CDataExchange.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"

QZPrefConfimPage::QZPrefConfimPage() : CPropertyPage(IDD_PREF_CONFIRM) {}

BOOL QZPrefConfimPage::OnInitDialog() {
    if (const CVantrel3App* app = GetVantrel3App()) {
        m_bConfirmSave = app->m_bConfirmSave ? 1 : 0;
        m_bConfirmDeletes = app->m_bConfirmDeletes ? 1 : 0;
    }
    return CPropertyPage::OnInitDialog();
}

void QZPrefConfimPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PREF_CONFIRM_SAVE, m_bConfirmSave);
    DDX_Check(pDX, IDC_PREF_CONFIRM_DELETE, m_bConfirmDeletes);
}

void QZPrefConfimPage::OnOK() {
    CPropertyPage::OnOK();
    if (CVantrel3App* app = GetVantrel3App()) {
        app->m_bConfirmSave = m_bConfirmSave != 0;
        app->m_bConfirmDeletes = m_bConfirmDeletes != 0;
    }
}
