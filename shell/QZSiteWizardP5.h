#pragma once
// The New Site wizard's page for a production site reached locally: its root folder and its
// Marquill database.

#include "platform/ui/CPropertyPage.h"

class QZService;
class QZSiteWizardBase;

class QZSiteWizardP5 : public CPropertyPage {
public:
    QZSiteWizardP5();

    void SetSite(QZService* site) { m_pService = site; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // ProductionPath and ProductionDatabasePath from the fields.
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    LRESULT Store();

    QZSiteWizardBase* m_pSheet = nullptr;
    QZService* m_pService = nullptr;
    CString m_strProductionPath;
    CString m_strDatabasePath;
};
