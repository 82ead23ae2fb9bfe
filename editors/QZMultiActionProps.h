#pragma once
// The array row commands' dialog (addrows, editrows): the action dialog, given the rest of the
// parameters without the rows' source.

#include "editors/QZActionProps.h"

class QZMultiActionProps : public QZActionProps {
public:
    QZMultiActionProps(QZCmdRowActionMember& command, CString& keyText, CString& rest);
};
