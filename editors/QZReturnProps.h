#pragma once
// The returnpage command's dialog on the shared "Action Command" template: the page it
// returns, set through the command, and the rest of its parameters as the "Other:" text,
// handed back in `rest` on OK.

#include "editors/QZObjectPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZCmdReturn;

class QZReturnProps : public QZObjectPropsDlg {
public:
    QZReturnProps(QZCmdReturn& command, CString& keyText, CString& rest);

protected:
    void StoreFields() override;

private:
    CString& m_rest;
    QZPagesComboBox m_Pages;
};
