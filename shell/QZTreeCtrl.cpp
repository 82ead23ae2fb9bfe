#include "shell/QZTreeCtrl.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/InsertTextData.h"
#include "res/Resource.h"
#include "shell/QZTreeCommands.h"

namespace {

constexpr UINT kDeleteKey = 0x2E;
constexpr UINT kF5Key = 0x74;
constexpr UINT kBackspaceKey = 0x08;
constexpr int kIconSize = 16;
constexpr COLORREF kTreeMask = RGB(255, 0, 255);

QZTreeCtrl::DragRunner g_dragRunner = nullptr;

} // namespace

QZTreeCtrl::QZTreeCtrl(QZTreeModel& model) : m_model(model) {
    m_model.SetListener(this);
}

QZTreeCtrl::~QZTreeCtrl() {
    m_model.SetListener(nullptr);
}

BOOL QZTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!CTreeCtrl::Create(dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetImages(IDB_OBJECT_ICONS, kIconSize, kTreeMask);
    OnItemsRebuilt();
    return TRUE;
}

HTREEITEM QZTreeCtrl::ItemOf(const QZTreeItem* item) const {
    const auto found = m_items.find(item);
    return found == m_items.end() ? nullptr : found->second;
}

QZTreeItem* QZTreeCtrl::ModelItem(const CTreeCtrl& tree, HTREEITEM item) {
    return reinterpret_cast<QZTreeItem*>(tree.GetItemData(item));
}

void QZTreeCtrl::OnItemsRebuilt() {
    if (!GetSafeHwnd())
        return;
    DeleteAllItems();
    m_items.clear();
    AddChildren(m_model.Root(), TVI_ROOT);
    SelectItem(ItemOf(m_model.GetSelectedItem()));
}

void QZTreeCtrl::OnItemChanged(QZTreeItem* item) {
    const HTREEITEM shown = ItemOf(item);
    if (!shown)
        return;
    for (size_t n = 0; n < item->ChildCount(); ++n)
        Forget(*item->Child(n));
    DeleteChildren(shown);
    SetItemImage(shown, item->m_nImage, item->m_nSelectedImage);
    AddChildren(*item, shown);
}

void QZTreeCtrl::OnSelectionSet(QZTreeItem* item) {
    SelectItem(ItemOf(item));
}

void QZTreeCtrl::AddChildren(const QZTreeItem& parent, HTREEITEM under) {
    for (size_t n = 0; n < parent.ChildCount(); ++n) {
        QZTreeItem* child = parent.Child(n);
        const HTREEITEM item = InsertItem(child->m_label, child->m_nImage, child->m_nSelectedImage,
                                          under, reinterpret_cast<uintptr_t>(child));
        m_items[child] = item;
        AddChildren(*child, item);
        if (child->m_bExpanded)
            Expand(item, TRUE);
    }
}

void QZTreeCtrl::Forget(const QZTreeItem& item) {
    m_items.erase(&item);
    for (size_t n = 0; n < item.ChildCount(); ++n)
        Forget(*item.Child(n));
}

void QZTreeCtrl::OnSelChanged(HTREEITEM item) {
    m_model.Select(ModelItem(*this, item));
}

BOOL QZTreeCtrl::OnItemExpanding(HTREEITEM item, BOOL expand) {
    QZTreeItem* shown = ModelItem(*this, item);
    return shown != nullptr && m_model.OnItemExpanding(shown, expand);
}

void QZTreeCtrl::OnItemExpanded(HTREEITEM item, BOOL expanded) {
    if (QZTreeItem* shown = ModelItem(*this, item))
        m_model.OnItemExpanded(shown, expanded);
}

BOOL QZTreeCtrl::OnBeginLabelEdit(HTREEITEM item, CString& text) {
    m_model.Select(ModelItem(*this, item));
    return m_model.BeginRename(text);
}

void QZTreeCtrl::OnEndLabelEdit(const CString* text) {
    m_model.EndRename(text);
}

BOOL QZTreeCtrl::OnDoubleClick(HTREEITEM item) {
    QZTreeItem* shown = ModelItem(*this, item);
    if (!shown)
        return FALSE;
    m_model.Select(shown);
    m_model.OnDoubleClick();
    // A section opens and closes as the tree's own double click does.
    return shown->m_kind != QZTreeItem::section;
}

BOOL QZTreeCtrl::BuildContextMenu(CMenu& menu) {
    const UINT menuId = m_model.GetContextMenuId();
    CMenu resource;
    CMenu* popup = menuId != 0 && resource.LoadMenu(menuId)
                       ? resource.GetSubMenu(m_model.GetContextPopup())
                       : nullptr;
    if (!popup)
        return FALSE;
    menu = *popup;
    CString text;
    if (const UINT appended = m_model.GetAppendedMenuCommand(text))
        menu.AppendMenu(MF_STRING, appended, text);
    menu.UpdateCommandUI(this);
    // Open and Delete need an item, whatever the route says.
    if (m_model.GetSelectedItem() == nullptr) {
        menu.EnableMenuItem(QZTreeCommand::Open, MF_BYCOMMAND | MF_GRAYED);
        menu.EnableMenuItem(QZTreeCommand::Delete, MF_BYCOMMAND | MF_GRAYED);
    }
    return TRUE;
}

BOOL QZTreeCtrl::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (!m_model.HandlesCommand(nID))
        return CTreeCtrl::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (nCode == CN_UPDATE_COMMAND_UI) {
        static_cast<CCmdUI*>(pExtra)->Enable(m_model.IsCommandEnabled(nID));
        return TRUE;
    }
    if (nCode != CN_COMMAND)
        return CTreeCtrl::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    // Asked only whether the command has a handler here.
    if (pHandlerInfo != nullptr) {
        static_cast<AFX_CMDHANDLERINFO*>(pHandlerInfo)->pTarget = this;
        return TRUE;
    }
    m_model.OnCommand(nID);
    return TRUE;
}

QZTreeCtrl::DragRunner QZTreeCtrl::SetDragRunner(DragRunner runner) {
    DragRunner previous = g_dragRunner;
    g_dragRunner = runner;
    return previous;
}

void QZTreeCtrl::OnContextMenu(HTREEITEM item, CPoint screen) {
    (void)item;
    CMenu menu;
    if (BuildContextMenu(menu))
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

void QZTreeCtrl::OnBeginDrag(HTREEITEM item) {
    m_model.Select(ModelItem(*this, item));
    if (!m_model.GetSelectedItem() || !m_model.CanDrag())
        return;
    // The object stays where it is whatever the target did with it.
    const CString text = m_model.GetInsertText();
    (g_dragRunner ? g_dragRunner : &DragInsertText)(this, text);
}

void QZTreeCtrl::OnTreeKeyDown(UINT nChar) {
    if (nChar == kDeleteKey || nChar == kBackspaceKey)
        m_model.OnCommand(QZTreeCommand::Delete);
    else if (nChar == kF5Key)
        m_model.Reload();
}
