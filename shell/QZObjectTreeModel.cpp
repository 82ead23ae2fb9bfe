#include "shell/QZObjectTreeModel.h"

#include "shell/CVantrel3App.h"
#include "shell/QZTreeCommands.h"

QZObjectTreeModel::~QZObjectTreeModel() = default;

QZKeyCombo QZObjectTreeModel::GetSelectedKey() const {
    QZTreeItem* selected = GetSelectedItem();
    if (selected == nullptr || selected->m_pParent != &Root() || selected->m_pEntry == nullptr)
        return EmptyKey();
    return selected->GetKey();
}

void QZObjectTreeModel::SelectKey(const QZKeyCombo& key) {
    for (size_t n = 0; n < GetCount(); ++n) {
        QZTreeItem* item = GetRootItem(n);
        if (item->m_pEntry != nullptr && item->GetKey() == key) {
            SetSelection(item);
            return;
        }
    }
}

void QZObjectTreeModel::Refill(const QZKeyCombo& site, const QZKeyCombo& key) {
    Clear();
    LoadObjectList(site);
    Rebuild();
    SelectKey(key);
}

void QZObjectTreeModel::LoadAndFill(const QZKeyCombo& site) {
    LoadObjectList(site);
    Rebuild();
}

void QZObjectTreeModel::DeleteSelected() {
    Refill(App().GetCurrentServiceKey(), EmptyKey());
}

void QZObjectTreeModel::Clear() {
    // The items point into the list: they go first.
    DeleteAllItems();
    m_pList.reset();
    NotifyRebuilt();
}

UINT QZObjectTreeModel::GetContextMenuId() const {
    return IDR_TREE_MENU;
}

int QZObjectTreeModel::GetContextPopup() const {
    return 1;
}

void QZObjectTreeModel::OnDoubleClick() {
    OpenSelected();
}

void QZObjectTreeModel::Rebuild() {
    DeleteAllItems();
    for (POSITION pos = m_pList ? m_pList->GetHeadPosition() : nullptr; pos != nullptr;) {
        QZNameAndKey* entry = m_pList->GetNext(pos);
        QZTreeItem* item =
            RootItem().Append(QZTreeItem::object, entry->m_DisplayText, GetImageIndex(), entry);
        item->m_nSelectedImage = GetSelectedImageIndex();
    }
    NotifyRebuilt();
}
