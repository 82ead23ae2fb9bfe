#pragma once
// "Macro Command": the macro a macro command runs, set through the command, and the rest of
// its parameters as the "Other:" text, handed back in `rest` on OK.

#include "editors/QZObjectPropsDlg.h"
#include "shell/QZListComboBox.h"

class QZCmdTemplate;

class QZMacroProps : public QZObjectPropsDlg {
public:
    QZMacroProps(QZCmdTemplate& command, CString& keyText, CString& rest);

protected:
    void StoreFields() override;

private:
    CString& m_rest;
    QZListComboBox m_Macros;
};
