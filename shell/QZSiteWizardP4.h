#pragma once
// The New Site wizard's fourth page: the site's domain name and whether production is reached
// locally or by FTP, which decides the pages after it.

#include "platform/ui/CButton.h"
#include "shell/QZSiteWizardPage.h"

class QZSiteWizardP4 : public QZSiteWizardPage {
public:
    QZSiteWizardP4();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void LoadFields() override;
    // ProductionAlias and ProductionUse_ftp from the fields, then the pages after this one
    // anew.
    LRESULT Store() override;

private:
    CButton m_Local;
    CButton m_Remote;
    CString m_strDomain;
};
