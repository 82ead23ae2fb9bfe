#pragma once
// The Confirmations page of the preferences: asking before saving on close and before deletes.

#include "platform/ui/CPropertyPage.h"

class QZPrefConfimPage : public CPropertyPage {
public:
    QZPrefConfimPage();

    BOOL OnInitDialog() override;
    void OnOK() override;

    int m_bConfirmSave = 0;
    int m_bConfirmDeletes = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
