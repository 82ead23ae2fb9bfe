#pragma once
// The window of one site browser tree: shows its model's items under a hidden root with the
// object icons, and passes the user's actions to the model — selection, expanding (refused as
// the model says), renaming in place, a double click, Delete and F5, the context menu and its
// commands, and dragging the selected object out as its insert text.

#include "platform/ui/CTreeCtrl.h"
#include "shell/QZTreeModel.h"

#include <unordered_map>

class CMenu;

class QZTreeCtrl : public CTreeCtrl, public QZTreeModelListener {
public:
    explicit QZTreeCtrl(QZTreeModel& model);
    ~QZTreeCtrl() override;

    // The tree window with the object icons; FALSE when it cannot be made.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    QZTreeModel& GetModel() const { return m_model; }
    // The window's item of a model item; null when it shows none.
    HTREEITEM ItemOf(const QZTreeItem* item) const;
    // The model item of a window item.
    static QZTreeItem* ModelItem(const CTreeCtrl& tree, HTREEITEM item);

    // The context menu for the selection: the model's pop-up of its menu resource and the
    // command it appends, each item greyed or not by its update along the command route.
    // FALSE when the tree has no context menu.
    BOOL BuildContextMenu(CMenu& menu);
    // The commands the model takes reach it; their updates ask it whether they are offered.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

    // What runs the drag of an insert text out of a tree: the window system's drag of plain
    // text and the private format in the program. Installs `runner` and returns the one it
    // replaces; null restores the window system's.
    using DragRunner = DWORD (*)(CWnd* source, const CString& text);
    static DragRunner SetDragRunner(DragRunner runner);

    // Shows the model's items again.
    void OnItemsRebuilt() override;
    void OnItemChanged(QZTreeItem* item) override;
    void OnSelectionSet(QZTreeItem* item) override;

protected:
    void OnSelChanged(HTREEITEM item) override;
    BOOL OnItemExpanding(HTREEITEM item, BOOL expand) override;
    void OnItemExpanded(HTREEITEM item, BOOL expanded) override;
    BOOL OnBeginLabelEdit(HTREEITEM item, CString& text) override;
    void OnEndLabelEdit(const CString* text) override;
    BOOL OnDoubleClick(HTREEITEM item) override;
    void OnTreeKeyDown(UINT nChar) override;
    void OnContextMenu(HTREEITEM item, CPoint screen) override;
    void OnBeginDrag(HTREEITEM item) override;

private:
    void AddChildren(const QZTreeItem& parent, HTREEITEM under);
    void Forget(const QZTreeItem& item);

    QZTreeModel& m_model;
    std::unordered_map<const QZTreeItem*, HTREEITEM> m_items;
};
