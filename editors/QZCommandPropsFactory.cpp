#include "editors/QZCommandPropsFactory.h"

#include "content/commands/QZCmdActiveX.h"
#include "content/commands/QZCmdForm.h"
#include "content/commands/QZCmdImage.h"
#include "content/commands/QZCmdIntLink.h"
#include "content/commands/QZCmdJava.h"
#include "content/commands/QZCmdQuery.h"
#include "content/commands/QZCmdReturn.h"
#include "content/commands/QZCmdRowActionMember.h"
#include "content/commands/QZCmdTemplate.h"
#include "editors/QZActionProps.h"
#include "editors/QZActiveXProps.h"
#include "editors/QZAdSpaceProps.h"
#include "editors/QZFormProps.h"
#include "editors/QZImageProps.h"
#include "editors/QZIntLinkProps.h"
#include "editors/QZJavaProps.h"
#include "editors/QZMacroProps.h"
#include "editors/QZMultiActionProps.h"
#include "editors/QZMultiMediaProps.h"
#include "editors/QZQueryProps.h"
#include "editors/QZReturnProps.h"
#include "editors/QZScriptProps.h"

namespace {

// IDOK or IDCANCEL: a dialog that cannot be shown changes nothing.
int Run(QZCommandPropsDlg& dialog) {
    return dialog.DoModal() == IDOK ? IDOK : IDCANCEL;
}

} // namespace

int QZCommandPropsFactory::ImageProps(QZCommandBase& command, BOOL& hasMap, const CString& rest) {
    QZImageProps dialog(dynamic_cast<QZCmdImage&>(command), hasMap, rest);
    return Run(dialog);
}

int QZCommandPropsFactory::IntLinkProps(QZCommandBase& command, const CString& rest) {
    QZIntLinkProps dialog(dynamic_cast<QZCmdIntLink&>(command), rest);
    return Run(dialog);
}

int QZCommandPropsFactory::FormProps(QZCommandBase& command, const CString& rest) {
    QZFormProps dialog(dynamic_cast<QZCmdForm&>(command), rest);
    return Run(dialog);
}

int QZCommandPropsFactory::QueryProps(QZCommandBase& command, const CString& rest) {
    QZQueryProps dialog(dynamic_cast<QZCmdQuery&>(command), rest);
    return Run(dialog);
}

int QZCommandPropsFactory::ActiveXProps(QZCommandBase& command) {
    QZActiveXProps dialog(dynamic_cast<QZCmdActiveX&>(command));
    return Run(dialog);
}

int QZCommandPropsFactory::JavaProps(QZCommandBase& command) {
    QZJavaProps dialog(dynamic_cast<QZCmdJava&>(command));
    return Run(dialog);
}

int QZCommandPropsFactory::MultiMediaProps(QZKeyCombo& key, const CString& parameters) {
    QZMultiMediaProps dialog(key, parameters);
    return Run(dialog);
}

int QZCommandPropsFactory::ScriptProps(QZKeyCombo& key) {
    QZScriptProps dialog(key);
    return Run(dialog);
}

int QZCommandPropsFactory::AdSpaceProps(QZKeyCombo& key) {
    QZAdSpaceProps dialog(key);
    return Run(dialog);
}

int QZCommandPropsFactory::MacroProps(QZCommandBase& command, CString& keyText, CString& rest) {
    QZMacroProps dialog(dynamic_cast<QZCmdTemplate&>(command), keyText, rest);
    return Run(dialog);
}

int QZCommandPropsFactory::ActionProps(QZCommandBase& command, CString& keyText, CString& rest) {
    QZActionProps dialog(dynamic_cast<QZCmdRowActionMember&>(command), keyText, rest);
    return Run(dialog);
}

int QZCommandPropsFactory::MultiActionProps(QZCommandBase& command, CString& keyText,
                                            CString& rest) {
    QZMultiActionProps dialog(dynamic_cast<QZCmdRowActionMember&>(command), keyText, rest);
    return Run(dialog);
}

int QZCommandPropsFactory::ReturnProps(QZCommandBase& command, CString& keyText, CString& rest) {
    QZReturnProps dialog(dynamic_cast<QZCmdReturn&>(command), keyText, rest);
    return Run(dialog);
}

void InstallCommandPropertyDialogs() {
    static QZCommandPropsFactory dialogs;
    SetCommandDialogs(&dialogs);
}
