#pragma once
// The model of the advertising tree: a site's advertisers, each with its ads under it,
// followed by its ad spaces. Only an ad space is inserted (or dragged) into a page. Expanded
// advertisers stay expanded through a refill.

#include "db/QZNameAndKeyList.h"
#include "shell/QZTreeModel.h"

#include <vector>

class QZAdvertiserTreeModel : public QZTreeModel {
public:
    using QZTreeModel::QZTreeModel;
    ~QZAdvertiserTreeModel() override;

    QZKeyCombo GetSelectedKey() const override;
    // The first item of the key and its type code.
    void SelectKey(const QZKeyCombo& key) override;
    void Refill(const QZKeyCombo& site, const QZKeyCombo& key) override;
    void LoadAndFill(const QZKeyCombo& site) override;
    void DeleteSelected() override;
    void Clear() override;
    int GetImageIndex() const override { return 47; }
    int GetSelectedImageIndex() const override { return 47; }
    UINT GetContextMenuId() const override;
    int GetContextPopup() const override { return 7; }
    // "<<adspace K>>" and the comment tail for an ad space; empty for the others.
    CString GetInsertText() override;
    BOOL CanDrag() const override;
    void OpenSelected() override;
    // By the selected item: New Advertiser, New Ad (see NewAd) or New Ad Space; the next
    // expand or collapse is refused.
    void NewObject() override;
    void OnDoubleClick() override;
    BOOL OnCommand(UINT command) override;
    // Insert needs an ad space, New Ad an advertiser.
    BOOL IsCommandEnabled(UINT command) const override;
    BOOL HandlesCommand(UINT command) const override;
    BOOL OnItemExpanding(QZTreeItem* item, BOOL expand) override;

    // New Ad for the selected advertiser (or the advertiser of the selected ad): while the
    // main window's command runs the application's selected section names the advertiser;
    // the section it named before is put back afterwards.
    void NewAd();
    std::vector<QZKeyCombo> GetExpandedAdvertisers() const;

private:
    void LoadLists(const QZKeyCombo& site);
    void FillTree(const std::vector<QZKeyCombo>* expanded);
    // The selected item's key with the type code of its image.
    QZKeyCombo SelectedObjectKey() const;
    BOOL IsSelected(int image) const;

    QZNameAndKeyListPtr m_pAdvertisers;
    QZNameAndKeyListPtr m_pAdSpaces;
    std::vector<QZNameAndKeyListPtr> m_ads;
    BOOL m_bRefuseExpand = FALSE;
};
