#pragma once
// The New Site wizard's fourth page: the site's domain name and whether production is reached
// locally or by FTP, which decides the pages after it.

#include "platform/ui/CButton.h"
#include "platform/ui/CPropertyPage.h"

class QZService;
class QZSiteWizardBase;

class QZSiteWizardP4 : public CPropertyPage {
public:
    QZSiteWizardP4();

    void SetSite(QZService* site) { m_pService = site; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // ProductionAlias and ProductionUse_ftp from the fields, then the pages after this one
    // anew.
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    LRESULT Store();

    QZSiteWizardBase* m_pSheet = nullptr;
    QZService* m_pService = nullptr;
    CButton m_Local;
    CButton m_Remote;
    CString m_strDomain;
};
