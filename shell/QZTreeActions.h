#pragma once
// What the site browser's tree models ask of the windows around them: the editors (find an
// open one and bring it forward, show one of its tabs, open an object, insert text at the
// active editor's caret), the main window (refresh a tree after a change, take a command) and
// the wait cursor. The program binds it to its editor services and main frame; tests fake it.
// Every operation does nothing here.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"

class QZTreeActions {
public:
    virtual ~QZTreeActions() = default;

    // TRUE when an editor of the object (key and type code) was open and is now in front.
    virtual BOOL ActivateOpenDocument(const QZKeyCombo& key, SHORT type) {
        (void)key;
        (void)type;
        return FALSE;
    }
    // Brings the tab at `index` (from 0) of the editor just brought forward to the front.
    virtual void ActivateEditorTab(int index) { (void)index; }
    // Opens the object's editor by the key's type code (or brings an open one forward).
    virtual void OpenObject(const QZKeyCombo& key) { (void)key; }
    // Inserts the text at the caret of the active text editor; nothing without one.
    virtual void InsertTextInActiveEditor(const CString& text) { (void)text; }
    // The main frame's refresh of the site browser tree that shows objects of the type code.
    virtual void RefreshObjectTree(SHORT type, const QZKeyCombo& key) {
        (void)type;
        (void)key;
    }
    // Sends a command to the main window (New Page, Edit Section ...).
    virtual void SendMainCommand(UINT command) { (void)command; }
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
};
