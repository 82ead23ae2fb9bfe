#pragma once
// "Query Command": the query a query command opens, and its parameter text. Choosing a query
// writes its parameters as "name=???" items, separated by ", ", for the user to fill in.

#include "editors/QZObjectPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZCmdQuery;

class QZQueryProps : public QZObjectPropsDlg {
public:
    QZQueryProps(QZCmdQuery& command, const CString& rest);

protected:
    void OnObjectChosen() override;
    void StoreFields() override;

private:
    // The parameter items of the chosen query; as far as it got when the query cannot be read.
    void RebuildParameters();

    QZCmdQuery& m_command;
    QZQueryComboBox m_Queries;
};
