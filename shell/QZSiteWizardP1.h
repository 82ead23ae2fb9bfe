#pragma once
// The New Site wizard's first page: the site's name and its webmaster's address.

#include "platform/ui/CPropertyPage.h"

class QZService;
class QZSiteWizardBase;

class QZSiteWizardP1 : public CPropertyPage {
public:
    QZSiteWizardP1();

    void SetSite(QZService* site) { m_pService = site; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Name and WebMasterEmail from the fields.
    LRESULT OnWizardNext() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    QZSiteWizardBase* m_pSheet = nullptr;
    QZService* m_pService = nullptr;
    CString m_strName;
    CString m_strWebmaster;
};
