#include "shell/QZShellTreeActions.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WinTypes.h"
#include "shell/CMainFrame.h"
#include "shell/QZEditorServices.h"

BOOL QZShellTreeActions::ActivateOpenDocument(const QZKeyCombo& key, SHORT type) {
    QZEditorServices* services = GetEditorServices();
    return services != nullptr && services->ActivateOpenDocument(key, type);
}

void QZShellTreeActions::ActivateEditorTab(int index) {
    if (QZEditorServices* services = GetEditorServices())
        services->ActivateEditorTab(index);
}

void QZShellTreeActions::OpenObject(const QZKeyCombo& key) {
    if (QZEditorServices* services = GetEditorServices())
        services->OpenObject(key.m_ObjectType, key);
}

void QZShellTreeActions::InsertTextInActiveEditor(const CString& text) {
    if (QZEditorServices* services = GetEditorServices())
        services->InsertTextInActiveEditor(text);
}

void QZShellTreeActions::RefreshObjectTree(SHORT type, const QZKeyCombo& key) {
    if (auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
        frame->RefreshObjectTree(type, key);
}

void QZShellTreeActions::SendMainCommand(UINT command) {
    if (CWnd* frame = AfxGetMainWnd())
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(command), 0), 0);
}

void QZShellTreeActions::BeginWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->BeginWaitCursor();
}

void QZShellTreeActions::EndWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->EndWaitCursor();
}
