#pragma once
// The site browser trees' actions in the program: the editors through the installed editor
// services, the main window's refresh and commands, and the application's wait cursor.

#include "shell/QZTreeActions.h"

class QZShellTreeActions : public QZTreeActions {
public:
    BOOL ActivateOpenDocument(const QZKeyCombo& key, SHORT type) override;
    void ActivateEditorTab(int index) override;
    void OpenObject(const QZKeyCombo& key) override;
    void InsertTextInActiveEditor(const CString& text) override;
    void RefreshObjectTree(SHORT type, const QZKeyCombo& key) override;
    void SendMainCommand(UINT command) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
};
