#pragma once
// What the shell asks of the object editors, which it does not include: opening an object's
// editor by kind and key, activating an editor that is open (and one of its tabs), saving every
// open editor, and inserting text into the active editor. The editors install their implementation
// at start-up.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"

class QZEditorServices {
public:
    virtual ~QZEditorServices() = default;

    // Activates the editor of the object when one is open, else opens one (a path of the key's
    // short text); FALSE when none is open afterwards.
    virtual BOOL OpenObject(SHORT type, const QZKeyCombo& key) = 0;
    // TRUE when an editor of the object was open and has been activated.
    virtual BOOL ActivateOpenDocument(const QZKeyCombo& key, SHORT type) = 0;
    // Brings the tab at `index` (from 0) of the active editor to the front and scrolls the tab
    // strip to it; FALSE when no editor is active or it has no such tab.
    virtual BOOL ActivateEditorTab(int index) = 0;
    // A new object of the kind in a new editor, its tab `tab` chosen (-1 keeps the first);
    // FALSE when none was made.
    virtual BOOL OpenNewObject(SHORT type, int tab) = 0;
    // Saves every open editor's object.
    virtual void SaveAll() = 0;
    // Inserts text at the caret of the active editor's text view; nothing for another view.
    virtual void InsertTextInActiveEditor(const CString& text) = 0;
};

// The installed services (not owned), or null before the editors install theirs.
inline QZEditorServices*& EditorServicesSlot() {
    static QZEditorServices* services = nullptr;
    return services;
}
inline void SetEditorServices(QZEditorServices* services) {
    EditorServicesSlot() = services;
}
inline QZEditorServices* GetEditorServices() {
    return EditorServicesSlot();
}
