#pragma once
// The New Site wizard's third page: the site's development and production client databases.

#include "shell/QZSiteWizardPage.h"

class QZSiteWizardP3 : public QZSiteWizardPage {
public:
    QZSiteWizardP3();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    void LoadFields() override;
    // ClientsDb and ClientsProdDb from the fields.
    LRESULT Store() override;

private:
    CString m_strClientsDb;
    CString m_strClientsProdDb;
};
