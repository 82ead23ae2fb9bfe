#pragma once
// The editors' side of QZEditorServices: it finds open documents through the program's list of
// document templates and opens objects through the template of their kind.

#include "shell/QZEditorServices.h"

class CDocTemplate;

class QZEditorServiceProvider : public QZEditorServices {
public:
    BOOL OpenObject(SHORT type, const QZKeyCombo& key) override;
    BOOL ActivateOpenDocument(const QZKeyCombo& key, SHORT type) override;
    BOOL ActivateEditorTab(int index) override;
    BOOL OpenNewObject(SHORT type, int tab) override;
    void SaveAll() override;
    void InsertTextInActiveEditor(const CString& text) override;

    // The registered template of a kind, or null.
    static CDocTemplate* TemplateOf(SHORT type);
};

// Step 18 of start-up: the sixteen document templates, registered in the order of the kinds
// and kept in the application's template members.
class CVantrel3App;
void RegisterEditorTemplates(CVantrel3App& app);
// Save As of the kind documents shows the shell's Save As dialog, which makes the copy on OK.
void BindSaveAsDialog();
// A saved object is refreshed in the Site Viewer through the main frame.
void BindTreeRefresher();
// Installs the registrar of step 18, the editor services, both bindings above and
// the command property dialogs.
void InstallEditors();
