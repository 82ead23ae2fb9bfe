#include "shell/QZSectionObjectTreeModel.h"

#include "db/QZListLoaders.h"
#include "shell/CVantrel3App.h"
#include "shell/QZTreeCommands.h"

#include <algorithm>

QZSectionObjectTreeModel::~QZSectionObjectTreeModel() = default;

void QZSectionObjectTreeModel::FillTree(const std::vector<QZKeyCombo>* expanded) {
    DeleteAllItems();
    size_t n = 0;
    for (POSITION pos = m_pSections ? m_pSections->GetHeadPosition() : nullptr; pos != nullptr;
         ++n) {
        QZNameAndKey* section = m_pSections->GetNext(pos);
        BOOL open = expanded != nullptr && std::find(expanded->begin(), expanded->end(),
                                                     section->m_Key) != expanded->end();
        QZTreeItem* item =
            RootItem().Append(QZTreeItem::section, section->m_Name,
                              open ? QZTreeImage::OpenFolder : QZTreeImage::ClosedFolder, section);
        QZNameAndKeyList* objects = n < m_objects.size() ? m_objects[n].get() : nullptr;
        for (POSITION at = objects ? objects->GetHeadPosition() : nullptr; at != nullptr;) {
            QZNameAndKey* entry = objects->GetNext(at);
            item->Append(QZTreeItem::object, entry->m_DisplayText, GetObjectImage(*entry), entry);
        }
        item->m_bExpanded = open;
    }
    NotifyRebuilt();
}

void QZSectionObjectTreeModel::LoadLists(const QZKeyCombo& site) {
    Clear();
    m_pSections.reset(LoadListSections(site, FALSE));
    for (POSITION pos = m_pSections ? m_pSections->GetHeadPosition() : nullptr; pos != nullptr;) {
        QZNameAndKey* section = m_pSections->GetNext(pos);
        m_objects.emplace_back(LoadSectionObjects(section->m_Key));
    }
}

QZNameAndKeyList* QZSectionObjectTreeModel::LoadSectionObjects(const QZKeyCombo& section) {
    return StripKindLetters(LoadListDocuments(section, FALSE), 2);
}

int QZSectionObjectTreeModel::GetObjectImage(const QZNameAndKey& entry) const {
    (void)entry;
    return GetImageIndex();
}

BOOL QZSectionObjectTreeModel::KeyMatches(const QZKeyCombo& entry, const QZKeyCombo& key) const {
    return entry == key;
}

QZKeyCombo QZSectionObjectTreeModel::GetSelectedKey() const {
    QZTreeItem* selected = GetSelectedItem();
    if (selected == nullptr || selected->m_kind != QZTreeItem::object)
        return EmptyKey();
    return selected->GetKey();
}

QZKeyCombo QZSectionObjectTreeModel::GetSelectedSectionKey() const {
    QZTreeItem* selected = GetSelectedItem();
    if (selected == nullptr)
        return EmptyKey();
    if (selected->m_kind != QZTreeItem::section)
        selected = selected->m_pParent;
    return selected->GetKey();
}

BOOL QZSectionObjectTreeModel::IsSectionSelected() const {
    return GetSelectedItem() != nullptr && GetSelectedItem()->m_kind == QZTreeItem::section;
}

void QZSectionObjectTreeModel::SelectKey(const QZKeyCombo& key) {
    for (size_t n = 0; n < GetCount(); ++n) {
        QZTreeItem* section = GetRootItem(n);
        if (key.m_ObjectType == OBJ_SECTION) {
            if (section->GetKey() == key) {
                SetSelection(section);
                return;
            }
            continue;
        }
        for (const auto& child : section->m_children) {
            if (KeyMatches(child->GetKey(), key)) {
                SetSelection(child.get());
                return;
            }
        }
    }
}

std::vector<QZKeyCombo> QZSectionObjectTreeModel::GetExpandedSections() const {
    std::vector<QZKeyCombo> keys;
    for (size_t n = 0; n < GetCount(); ++n)
        if (GetRootItem(n)->m_nImage == QZTreeImage::OpenFolder)
            keys.push_back(GetRootItem(n)->GetKey());
    return keys;
}

void QZSectionObjectTreeModel::Refill(const QZKeyCombo& site, const QZKeyCombo& key) {
    std::vector<QZKeyCombo> expanded = GetExpandedSections();
    Clear();
    LoadLists(site);
    FillTree(&expanded);
    SelectKey(key);
}

void QZSectionObjectTreeModel::LoadAndFill(const QZKeyCombo& site) {
    Clear();
    LoadLists(site);
    FillTree(nullptr);
}

void QZSectionObjectTreeModel::DeleteSelected() {
    Refill(App().GetCurrentServiceKey(), EmptyKey());
}

void QZSectionObjectTreeModel::Clear() {
    DeleteAllItems();
    m_objects.clear();
    m_pSections.reset();
    NotifyRebuilt();
}

UINT QZSectionObjectTreeModel::GetContextMenuId() const {
    return IDR_TREE_MENU;
}

int QZSectionObjectTreeModel::GetContextPopup() const {
    return IsSectionSelected() ? 0 : 1;
}

CString QZSectionObjectTreeModel::GetInsertText() {
    QZTreeItem* selected = GetSelectedItem();
    if (selected == nullptr || selected->m_kind != QZTreeItem::object)
        return CString();
    return GetObjectInsertText(*selected);
}

CString QZSectionObjectTreeModel::GetObjectInsertText(const QZTreeItem& item) {
    (void)item;
    return CString();
}

void QZSectionObjectTreeModel::OpenSelected() {
    App().GetCurrentSectionKey() = GetSelectedSectionKey();
    if (IsSectionSelected())
        Actions().SendMainCommand(QZTreeCommand::EditSection);
}

void QZSectionObjectTreeModel::OnDoubleClick() {
    // The control itself expands or collapses a section.
    if (!IsSectionSelected())
        OpenSelected();
}

BOOL QZSectionObjectTreeModel::OnCommand(UINT command) {
    if (command == QZTreeCommand::EditSection || command == QZTreeCommand::NewSection) {
        Actions().SendMainCommand(command);
        return TRUE;
    }
    return QZTreeModel::OnCommand(command);
}

BOOL QZSectionObjectTreeModel::HandlesCommand(UINT command) const {
    return command == QZTreeCommand::EditSection || command == QZTreeCommand::NewSection ||
           QZTreeModel::HandlesCommand(command);
}

void QZSectionObjectTreeModel::OnItemExpanded(QZTreeItem* item, BOOL expanded) {
    QZTreeModel::OnItemExpanded(item, expanded);
    if (item->m_kind == QZTreeItem::section) {
        item->SetImage(expanded ? QZTreeImage::OpenFolder : QZTreeImage::ClosedFolder);
        NotifyChanged(item);
    }
}

void QZSectionObjectTreeModel::OnSelectionChanged() {
    App().GetCurrentSectionKey() = GetSelectedSectionKey();
}
