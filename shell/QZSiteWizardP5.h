#pragma once
// The New Site wizard's page for a production site reached locally: its root folder and its
// Marquill database.

#include "shell/QZSiteWizardPage.h"

class QZSiteWizardP5 : public QZSiteWizardPage {
public:
    QZSiteWizardP5();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    void LoadFields() override;
    // ProductionPath and ProductionDatabasePath from the fields.
    LRESULT Store() override;

private:
    CString m_strProductionPath;
    CString m_strDatabasePath;
};
