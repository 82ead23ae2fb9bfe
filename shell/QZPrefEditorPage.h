#pragma once
// The Editor page of the preferences: workbook mode (switched on the main window when the
// sheet closes with OK), comments, and the text editor's five colours.

#include "platform/ui/CPropertyPage.h"
#include "wintoolkit/colorwell/SECWellButton.h"

class QZPrefEditorPage : public CPropertyPage {
public:
    QZPrefEditorPage();

    BOOL OnInitDialog() override;
    void OnOK() override;

    int m_bWorkBookMode = 0;
    int m_bAddComments = 0;
    // The colour buttons: plain text, HTML commands, template commands, comments, brackets.
    SECWellButton m_Wells[5];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
