#pragma once
// The model behind every tree of the site browser: the items under a hidden root, the
// selection, and what all trees do alike — the insert text's comment tail, renaming in place,
// Mark for Publish, the delete procedure and the report of an object that cannot be changed.
// What differs by kind (the lists, images, menus, insert texts) is in the virtual operations
// that the flat, section, kind and query models give. A tree window holds one model and
// shows its items; the model reaches editors and the main window through QZTreeActions.

#include "db/QZKeyCombo.h"
#include "db/QZNameAndKeyList.h"
#include "shell/QZTreeActions.h"
#include "shell/QZTreeItem.h"

class QZVantrelBase;
class CVantrel3App;

// Told when the model changed its items or selection by itself (a refill, a key selected, a
// query's children read), so that a window can show them again.
class QZTreeModelListener {
public:
    virtual ~QZTreeModelListener() = default;
    virtual void OnItemsRebuilt() {}
    virtual void OnItemChanged(QZTreeItem* item) { (void)item; }
    virtual void OnSelectionSet(QZTreeItem* item) { (void)item; }
};

class QZTreeModel {
public:
    explicit QZTreeModel(QZTreeActions* actions = nullptr);
    virtual ~QZTreeModel();
    QZTreeModel(const QZTreeModel&) = delete;
    QZTreeModel& operator=(const QZTreeModel&) = delete;

    // The key of the selected object; the empty key 0:0 when none is.
    virtual QZKeyCombo GetSelectedKey() const;
    // The key of the selected section (or of the section holding the selected object).
    virtual QZKeyCombo GetSelectedSectionKey() const;
    // Selects the item of the key; nothing when the tree has none.
    virtual void SelectKey(const QZKeyCombo& key);
    // Reloads the tree for the site and selects the key.
    virtual void Refill(const QZKeyCombo& site, const QZKeyCombo& key);
    // The site browser's first load for a site: nothing expanded, nothing selected.
    virtual void LoadAndFill(const QZKeyCombo& site);
    virtual void DeleteSelected();
    // Frees the loaded lists and the items that point into them.
    virtual void Clear();
    virtual int GetImageIndex() const;
    virtual int GetSelectedImageIndex() const;
    // The context menu (0 for none) and its pop-up for the current selection (-1 for none).
    virtual UINT GetContextMenuId() const;
    virtual int GetContextPopup() const;
    // The template text that stands for the selected object: what Insert writes and a drag
    // carries.
    virtual CString GetInsertText();
    virtual BOOL CanDrag() const;
    virtual void OpenSelected();
    virtual void NewObject();
    // A double click on the selected item.
    virtual void OnDoubleClick();
    // A command of the tree's context menu or the main window's New, Open, Delete, Insert and
    // Mark for Publish; FALSE when the tree does not handle it.
    virtual BOOL OnCommand(UINT command);
    // Whether the context menu offers the command now (Open and Delete need a selection).
    virtual BOOL IsCommandEnabled(UINT command) const;
    // Whether the tree takes the command at all (OnCommand would): New, Open, Delete, Insert
    // and Mark for Publish here.
    virtual BOOL HandlesCommand(UINT command) const;
    // A command the context menu gains at its end for the selection, with its text; 0 for
    // none.
    virtual UINT GetAppendedMenuCommand(CString& text) const;
    // An item is about to expand or collapse: FALSE refuses it. After a change, OnItemExpanded.
    virtual BOOL OnItemExpanding(QZTreeItem* item, BOOL expand);
    virtual void OnItemExpanded(QZTreeItem* item, BOOL expanded);

    const QZTreeItem& Root() const { return m_root; }
    size_t GetCount() const { return m_root.ChildCount(); }
    QZTreeItem* GetRootItem(size_t n) const { return m_root.Child(n); }
    QZTreeItem* GetSelectedItem() const { return m_pSelected; }
    // The user's selection (or none).
    void Select(QZTreeItem* item);
    // The first item, depth first, whose label is the text; null when none is.
    QZTreeItem* FindItem(const CString& label) const;
    void SetListener(QZTreeModelListener* listener) { m_pListener = listener; }
    QZTreeActions& Actions() const { return *m_pActions; }

    // Insert: a non-empty insert text goes into the active editor.
    void Insert();
    // F5: reload for the application's selected site keeping the selected object.
    void Reload();
    // Renaming in place. Begin: TRUE with the text for the edit field, FALSE when the edit is
    // refused (no object, or its editor is open and is brought forward). End: the new text,
    // or null when the edit was cancelled; the label itself is never taken, the refreshed
    // tree shows the name.
    BOOL BeginRename(CString& editText);
    void EndRename(const CString* newText);
    void MarkForPublish();
    // The delete procedure every kind runs on the selected object: TRUE when it was marked
    // deleted and saved.
    BOOL DeleteObject(QZVantrelBase& object);
    // Why an object cannot be changed from the tree: its editor is open here (then its status
    // tab comes forward) or another user holds it.
    void ReportObjectBusy(QZVantrelBase& object);

    // A label cut before its last "(" when that is not its first character.
    static CString CutLabel(const CString& label);
    // The same without trailing blanks: the text a rename starts from.
    static CString EditableLabel(const CString& label);
    // FALSE for 0:0 and -1:-1, the keys that name no object.
    static BOOL NamesObject(const QZKeyCombo& key);
    // The status tab of an editor of the type code, from 0; -1 for a kind without one.
    static int StatusTabIndex(SHORT type);
    static QZKeyCombo EmptyKey() { return QZKeyCombo(0, 0); }

protected:
    // "\t// " and the label cut before its last "(" and a line end, while the application's
    // add-comments preference is on; empty otherwise.
    static CString CommentTail(const QZTreeItem& item);
    static CVantrel3App& App();
    // The delete procedure on the content object of a key; nothing for a key without one.
    void DeleteObjectOfKey(const QZKeyCombo& key);
    // Opens the editor of a key that names an object.
    void OpenObjectOfKey(const QZKeyCombo& key);
    // Drops the kind letters that a list query puts in front of every name.
    static QZNameAndKeyList* StripKindLetters(QZNameAndKeyList* list, int count);
    // Deletes every item; the selection goes with them.
    void DeleteAllItems();
    QZTreeItem& RootItem() { return m_root; }
    // The selection as the model sets it (a refill's SelectKey); the window is told.
    void SetSelection(QZTreeItem* item);
    // The selection changed, by the user or the model.
    virtual void OnSelectionChanged() {}
    void NotifyRebuilt();
    void NotifyChanged(QZTreeItem* item);

private:
    void Rename(QZVantrelBase& object, CString name);

    QZTreeItem m_root;
    QZTreeItem* m_pSelected = nullptr;
    QZTreeActions* m_pActions;
    QZTreeModelListener* m_pListener = nullptr;
    // The object being renamed, between the begin and the end of the edit.
    QZKeyCombo m_EditKey;
};
