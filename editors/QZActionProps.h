#pragma once
// The row commands' dialog on the shared "Action Command" template (addrow, delrow, editrow):
// the query or table they change, set through the command, and the rest of their parameters
// as the "Other:" text, handed back in `rest` on OK.

#include "editors/QZObjectPropsDlg.h"
#include "shell/QZListComboBoxes.h"

class QZCmdRowActionMember;

class QZActionProps : public QZObjectPropsDlg {
public:
    QZActionProps(QZCmdRowActionMember& command, CString& keyText, CString& rest);

protected:
    void StoreFields() override;

private:
    CString& m_rest;
    QZQueryComboBox m_Queries;
};
