#pragma once
// The model of a two-level tree: a site's sections, each with its objects of the tree's kind
// under it. It owns the section list and one object list a section; every item carries its
// entry. The application's selected section follows the tree's selection.

#include "db/QZNameAndKeyList.h"
#include "shell/QZTreeModel.h"

#include <vector>

class QZSectionObjectTreeModel : public QZTreeModel {
public:
    using QZTreeModel::QZTreeModel;
    ~QZSectionObjectTreeModel() override;

    // Rebuilds the items, the sections of `expanded` expanded (none for null).
    virtual void FillTree(const std::vector<QZKeyCombo>* expanded);
    // Loads the site's sections and each section's objects.
    virtual void LoadLists(const QZKeyCombo& site);

    QZKeyCombo GetSelectedKey() const override;
    QZKeyCombo GetSelectedSectionKey() const override;
    // A section key selects its section, any other key the first object item of the key.
    void SelectKey(const QZKeyCombo& key) override;
    void Refill(const QZKeyCombo& site, const QZKeyCombo& key) override;
    void LoadAndFill(const QZKeyCombo& site) override;
    void DeleteSelected() override;
    void Clear() override;
    UINT GetContextMenuId() const override;
    int GetContextPopup() const override;
    // A section item's insert text is empty.
    CString GetInsertText() override;
    // The selected section becomes the application's; a section item opens its settings.
    void OpenSelected() override;
    void OnDoubleClick() override;
    BOOL OnCommand(UINT command) override;
    // Edit Section and New Section besides the base's.
    BOOL HandlesCommand(UINT command) const override;
    void OnItemExpanded(QZTreeItem* item, BOOL expanded) override;

    // The keys of the expanded sections.
    std::vector<QZKeyCombo> GetExpandedSections() const;
    BOOL IsSectionSelected() const;

protected:
    // The objects of one section; the base loads its pages.
    virtual QZNameAndKeyList* LoadSectionObjects(const QZKeyCombo& section);
    // The image of an object item.
    virtual int GetObjectImage(const QZNameAndKey& entry) const;
    // Whether an object entry is the one of the key (the key alone, where the tree holds one
    // kind).
    virtual BOOL KeyMatches(const QZKeyCombo& entry, const QZKeyCombo& key) const;
    void OnSelectionChanged() override;
    // The insert text of the selected object item (a section gives none).
    virtual CString GetObjectInsertText(const QZTreeItem& item);

private:
    QZNameAndKeyListPtr m_pSections;
    std::vector<QZNameAndKeyListPtr> m_objects;
};
