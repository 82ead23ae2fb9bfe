#pragma once
// The New Site wizard's page for a production site reached by FTP: the server's address
// (proposed from the domain name), the site's folder there and the account.

#include "platform/ui/CPropertyPage.h"

class QZService;
class QZSiteWizardBase;

class QZSiteWizardP6 : public CPropertyPage {
public:
    QZSiteWizardP6();

    void SetSite(QZService* site) { m_pService = site; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // The FTP address, relative root, user and password from the fields.
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    LRESULT Store();

    QZSiteWizardBase* m_pSheet = nullptr;
    QZService* m_pService = nullptr;
    CString m_strAddress;
    CString m_strDocRoot;
    CString m_strUser;
    CString m_strPassword;
};
