#include "editors/QZMultiActionProps.h"

QZMultiActionProps::QZMultiActionProps(QZCmdRowActionMember& command, CString& keyText,
                                       CString& rest)
    : QZActionProps(command, keyText, rest) {}
