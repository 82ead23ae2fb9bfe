#pragma once
// The real property dialogs of the template commands behind the command classes' dialog seam:
// each entry runs its dialog modally over the main window.

#include "template/commands/QZCommandDialogs.h"

class QZCommandPropsFactory : public QZCommandDialogs {
public:
    int ImageProps(QZCommandBase& command, BOOL& hasMap, const CString& rest) override;
    int IntLinkProps(QZCommandBase& command, const CString& rest) override;
    int FormProps(QZCommandBase& command, const CString& rest) override;
    int QueryProps(QZCommandBase& command, const CString& rest) override;
    int ActiveXProps(QZCommandBase& command) override;
    int JavaProps(QZCommandBase& command) override;
    int MultiMediaProps(QZKeyCombo& key, const CString& parameters) override;
    int ScriptProps(QZKeyCombo& key) override;
    int AdSpaceProps(QZKeyCombo& key) override;
    int MacroProps(QZCommandBase& command, CString& keyText, CString& rest) override;
    int ActionProps(QZCommandBase& command, CString& keyText, CString& rest) override;
    int MultiActionProps(QZCommandBase& command, CString& keyText, CString& rest) override;
    int ReturnProps(QZCommandBase& command, CString& keyText, CString& rest) override;
};

// Installs the real dialogs for the rest of the run; the program calls it once at start-up,
// beside the registration of the commands.
void InstallCommandPropertyDialogs();
