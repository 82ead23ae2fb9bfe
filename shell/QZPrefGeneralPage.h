#pragma once
// The General page of the preferences: wizards, verbose messages and remote help.

#include "platform/ui/CPropertyPage.h"

class QZPrefGeneralPage : public CPropertyPage {
public:
    QZPrefGeneralPage();

    BOOL OnInitDialog() override;
    void OnOK() override;

    int m_bUseWizards = 0;
    int m_bVerboseMessages = 0;
    int m_bHelpRemote = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
