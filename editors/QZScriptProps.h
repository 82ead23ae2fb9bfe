#pragma once
// "Script Command": the script a script command writes, its key changed in place on OK.

#include "editors/QZObjectPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZScriptProps : public QZObjectPropsDlg {
public:
    explicit QZScriptProps(QZKeyCombo& key);

private:
    QZScriptComboBox m_Scripts;
};
