#pragma once
// The New Site wizard's page for a production site reached by FTP: the server's address
// (proposed from the domain name), the site's folder there and the account.

#include "shell/QZSiteWizardPage.h"

class QZSiteWizardP6 : public QZSiteWizardPage {
public:
    QZSiteWizardP6();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void LoadFields() override;
    // The FTP address, relative root, user and password from the fields.
    LRESULT Store() override;

private:
    CString m_strAddress;
    CString m_strDocRoot;
    CString m_strUser;
    CString m_strPassword;
};
