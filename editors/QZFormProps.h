#pragma once
// "Form  Command": the form a form command places, and the parameter text after its key.

#include "editors/QZObjectPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZCmdForm;

class QZFormProps : public QZObjectPropsDlg {
public:
    QZFormProps(QZCmdForm& command, const CString& rest);

protected:
    void StoreFields() override;

private:
    QZCmdForm& m_command;
    QZFormComboBox m_Forms;
};
