#include "shell/QZAdvertiserTreeModel.h"

#include "db/QZListLoaders.h"
#include "shell/CVantrel3App.h"
#include "shell/QZTreeCommands.h"

#include <algorithm>

namespace {

SHORT TypeOfImage(int image) {
    switch (image) {
    case QZTreeImage::Advertiser:
        return OBJ_ADVERTISER;
    case QZTreeImage::Ad:
        return OBJ_AD;
    case QZTreeImage::AdSpace:
        return OBJ_ADSPACE;
    default:
        return 0;
    }
}

// Puts a key back into a member when the scope ends, whatever way it ends.
class KeyRestorer {
public:
    explicit KeyRestorer(QZKeyCombo& key) : m_key(key), m_saved(key) {}
    ~KeyRestorer() { m_key = m_saved; }
    KeyRestorer(const KeyRestorer&) = delete;
    KeyRestorer& operator=(const KeyRestorer&) = delete;

private:
    QZKeyCombo& m_key;
    QZKeyCombo m_saved;
};

} // namespace

QZAdvertiserTreeModel::~QZAdvertiserTreeModel() = default;

void QZAdvertiserTreeModel::LoadLists(const QZKeyCombo& site) {
    Clear();
    m_pAdvertisers.reset(StripKindLetters(LoadListAllAdvertisersByService(site, FALSE), 1));
    m_pAdSpaces.reset(StripKindLetters(LoadListAllAdSpaceByService(site, FALSE), 1));
    for (POSITION pos = m_pAdvertisers ? m_pAdvertisers->GetHeadPosition() : nullptr;
         pos != nullptr;) {
        QZNameAndKey* advertiser = m_pAdvertisers->GetNext(pos);
        m_ads.emplace_back(LoadListAllAdsByAdvertiser(advertiser->m_Key, FALSE));
    }
}

void QZAdvertiserTreeModel::FillTree(const std::vector<QZKeyCombo>* expanded) {
    DeleteAllItems();
    size_t n = 0;
    for (POSITION pos = m_pAdvertisers ? m_pAdvertisers->GetHeadPosition() : nullptr;
         pos != nullptr; ++n) {
        QZNameAndKey* advertiser = m_pAdvertisers->GetNext(pos);
        QZTreeItem* item = RootItem().Append(QZTreeItem::object, advertiser->m_DisplayText,
                                             QZTreeImage::Advertiser, advertiser);
        QZNameAndKeyList* ads = n < m_ads.size() ? m_ads[n].get() : nullptr;
        for (POSITION at = ads ? ads->GetHeadPosition() : nullptr; at != nullptr;) {
            QZNameAndKey* ad = ads->GetNext(at);
            item->Append(QZTreeItem::object, ad->m_DisplayText, QZTreeImage::Ad, ad);
        }
        item->m_bExpanded = expanded != nullptr && std::find(expanded->begin(), expanded->end(),
                                                             advertiser->m_Key) != expanded->end();
    }
    for (POSITION pos = m_pAdSpaces ? m_pAdSpaces->GetHeadPosition() : nullptr; pos != nullptr;) {
        QZNameAndKey* space = m_pAdSpaces->GetNext(pos);
        RootItem().Append(QZTreeItem::object, space->m_DisplayText, QZTreeImage::AdSpace, space);
    }
    NotifyRebuilt();
}

std::vector<QZKeyCombo> QZAdvertiserTreeModel::GetExpandedAdvertisers() const {
    std::vector<QZKeyCombo> keys;
    for (size_t n = 0; n < GetCount(); ++n) {
        QZTreeItem* item = GetRootItem(n);
        if (item->m_nImage == QZTreeImage::Advertiser && item->m_bExpanded)
            keys.push_back(item->GetKey());
    }
    return keys;
}

QZKeyCombo QZAdvertiserTreeModel::GetSelectedKey() const {
    QZTreeItem* selected = GetSelectedItem();
    return selected != nullptr ? selected->GetKey() : EmptyKey();
}

void QZAdvertiserTreeModel::SelectKey(const QZKeyCombo& key) {
    auto matches = [&key](const QZTreeItem& item) {
        // Advertisers, ads and ad spaces may share numbers.
        return item.GetKey() == key && TypeOfImage(item.m_nImage) == key.m_ObjectType;
    };
    for (size_t n = 0; n < GetCount(); ++n) {
        QZTreeItem* item = GetRootItem(n);
        if (matches(*item)) {
            SetSelection(item);
            return;
        }
        for (const auto& ad : item->m_children) {
            if (matches(*ad)) {
                SetSelection(ad.get());
                return;
            }
        }
    }
}

void QZAdvertiserTreeModel::Refill(const QZKeyCombo& site, const QZKeyCombo& key) {
    std::vector<QZKeyCombo> expanded = GetExpandedAdvertisers();
    LoadLists(site);
    FillTree(&expanded);
    SelectKey(key);
}

void QZAdvertiserTreeModel::LoadAndFill(const QZKeyCombo& site) {
    LoadLists(site);
    FillTree(nullptr);
}

void QZAdvertiserTreeModel::Clear() {
    DeleteAllItems();
    m_ads.clear();
    m_pAdvertisers.reset();
    m_pAdSpaces.reset();
    NotifyRebuilt();
}

UINT QZAdvertiserTreeModel::GetContextMenuId() const {
    return IDR_TREE_MENU;
}

BOOL QZAdvertiserTreeModel::IsSelected(int image) const {
    return GetSelectedItem() != nullptr && GetSelectedItem()->m_nImage == image;
}

QZKeyCombo QZAdvertiserTreeModel::SelectedObjectKey() const {
    QZKeyCombo key = GetSelectedKey();
    if (GetSelectedItem() != nullptr)
        key.m_ObjectType = TypeOfImage(GetSelectedItem()->m_nImage);
    return key;
}

CString QZAdvertiserTreeModel::GetInsertText() {
    if (!IsSelected(QZTreeImage::AdSpace))
        return CString();
    return "<<adspace " + GetSelectedKey().Format() + ">>" + CommentTail(*GetSelectedItem());
}

BOOL QZAdvertiserTreeModel::CanDrag() const {
    return IsSelected(QZTreeImage::AdSpace);
}

void QZAdvertiserTreeModel::OpenSelected() {
    OpenObjectOfKey(SelectedObjectKey());
}

void QZAdvertiserTreeModel::DeleteSelected() {
    QZKeyCombo key = SelectedObjectKey();
    if (!NamesObject(key))
        return;
    DeleteObjectOfKey(key);
    Refill(App().GetCurrentServiceKey(), EmptyKey());
}

void QZAdvertiserTreeModel::NewObject() {
    m_bRefuseExpand = TRUE;
    if (IsSelected(QZTreeImage::Advertiser))
        Actions().SendMainCommand(QZTreeCommand::NewAdvertiser);
    else if (IsSelected(QZTreeImage::Ad))
        NewAd();
    else if (IsSelected(QZTreeImage::AdSpace))
        Actions().SendMainCommand(QZTreeCommand::NewAdSpace);
}

void QZAdvertiserTreeModel::NewAd() {
    QZTreeItem* selected = GetSelectedItem();
    if (selected == nullptr || selected->m_nImage == QZTreeImage::AdSpace) {
        Actions().SendMainCommand(QZTreeCommand::NewAd);
        return;
    }
    QZTreeItem* advertiser = selected->m_nImage == QZTreeImage::Ad ? selected->m_pParent : selected;
    QZKeyCombo& section = App().GetCurrentSectionKey();
    KeyRestorer restore(section);
    section = advertiser->GetKey();
    Actions().SendMainCommand(QZTreeCommand::NewAd);
}

void QZAdvertiserTreeModel::OnDoubleClick() {
    OpenSelected();
}

BOOL QZAdvertiserTreeModel::OnCommand(UINT command) {
    switch (command) {
    case QZTreeCommand::NewAd:
        NewAd();
        return TRUE;
    case QZTreeCommand::NewAdvertiser:
    case QZTreeCommand::NewAdSpace:
        Actions().SendMainCommand(command);
        return TRUE;
    default:
        return QZTreeModel::OnCommand(command);
    }
}

BOOL QZAdvertiserTreeModel::HandlesCommand(UINT command) const {
    return command == QZTreeCommand::NewAd || command == QZTreeCommand::NewAdvertiser ||
           command == QZTreeCommand::NewAdSpace || QZTreeModel::HandlesCommand(command);
}

BOOL QZAdvertiserTreeModel::IsCommandEnabled(UINT command) const {
    if (command == QZTreeCommand::Insert)
        return IsSelected(QZTreeImage::AdSpace);
    if (command == QZTreeCommand::NewAd)
        return IsSelected(QZTreeImage::Advertiser);
    return QZTreeModel::IsCommandEnabled(command);
}

BOOL QZAdvertiserTreeModel::OnItemExpanding(QZTreeItem* item, BOOL expand) {
    (void)item;
    (void)expand;
    if (m_bRefuseExpand) {
        m_bRefuseExpand = FALSE;
        return FALSE;
    }
    return TRUE;
}
