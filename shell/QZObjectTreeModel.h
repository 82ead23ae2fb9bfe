#pragma once
// The model of a flat tree: a site's objects of one kind, one root item each, in the order of
// the kind's list. Each item carries its list entry; the list and the items are rebuilt
// together.

#include "db/QZNameAndKeyList.h"
#include "shell/QZTreeModel.h"

class QZObjectTreeModel : public QZTreeModel {
public:
    using QZTreeModel::QZTreeModel;
    ~QZObjectTreeModel() override;

    // Replaces the loaded list with the kind's list for the site.
    virtual void LoadObjectList(const QZKeyCombo& site) = 0;

    QZKeyCombo GetSelectedKey() const override;
    void SelectKey(const QZKeyCombo& key) override;
    void Refill(const QZKeyCombo& site, const QZKeyCombo& key) override;
    void LoadAndFill(const QZKeyCombo& site) override;
    // Reloads for the application's selected site (the kinds delete first).
    void DeleteSelected() override;
    void Clear() override;
    UINT GetContextMenuId() const override;
    int GetContextPopup() const override;
    void OnDoubleClick() override;

    QZNameAndKeyList* GetList() const { return m_pList.get(); }

protected:
    // Takes the list over (null for none).
    void SetList(QZNameAndKeyList* list) { m_pList.reset(list); }
    // The root items again from the list.
    virtual void Rebuild();

private:
    QZNameAndKeyListPtr m_pList;
};
