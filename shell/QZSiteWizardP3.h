#pragma once
// The New Site wizard's third page: the site's development and production client databases.

#include "platform/ui/CPropertyPage.h"

class QZService;
class QZSiteWizardBase;

class QZSiteWizardP3 : public CPropertyPage {
public:
    QZSiteWizardP3();

    void SetSite(QZService* site) { m_pService = site; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // ClientsDb and ClientsProdDb from the fields.
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    LRESULT Store();

    QZSiteWizardBase* m_pSheet = nullptr;
    QZService* m_pService = nullptr;
    CString m_strClientsDb;
    CString m_strClientsProdDb;
};
