#pragma once
// The model of the "Queries/Tables" tree: a site's stored queries and tables; a query's
// parameters and result fields are read from the query itself when it is expanded (or when a
// snippet needs them) and dropped when it collapses. Its commands write template snippets
// into the active editor: a query loop printing every field, an HTML table of the result,
// forms for adding or editing a row, and a call that only executes the query.

#include "shell/QZObjectTreeModel.h"

#include <vector>

class QZQueryTreeModel : public QZObjectTreeModel {
public:
    using QZObjectTreeModel::QZObjectTreeModel;

    void LoadObjectList(const QZKeyCombo& site) override;
    // Keeps the expanded queries expanded, reading their children again.
    void Refill(const QZKeyCombo& site, const QZKeyCombo& key) override;
    int GetImageIndex() const override { return 40; }
    int GetSelectedImageIndex() const override { return 40; }
    int GetContextPopup() const override;
    // The snippet of Insert.
    CString GetInsertText() override;
    // A field inserts itself; a query opens (without expanding by the same click).
    void OpenSelected() override;
    void NewObject() override;
    void DeleteSelected() override;
    BOOL OnCommand(UINT command) override;
    // The snippets besides the base's.
    BOOL HandlesCommand(UINT command) const override;
    BOOL OnItemExpanding(QZTreeItem* item, BOOL expand) override;

    // The snippet a command writes for the current selection; empty for none.
    CString GetSnippet(UINT command);
    // Rebuilds the items, the queries of `expanded` expanded with their children read.
    void Fill(const std::vector<QZKeyCombo>* expanded);
    std::vector<QZKeyCombo> GetExpandedQueries() const;
    // The query's children read again from the query (the wait cursor shown meanwhile).
    void LoadChildren(QZTreeItem* query);

protected:
    void Rebuild() override { Fill(nullptr); }

private:
    // The level-1 item of the selection: the selected query or table, or its parent.
    QZTreeItem* SelectedQueryItem() const;
    // Reads the children of a query that still shows its placeholder.
    void EnsureChildren(QZTreeItem* query);
    CString QuerySnippet(UINT command, QZTreeItem* query);
    static CString FieldSnippet(UINT command, const QZTreeItem& field);

    // For each list entry in order: a stored query (else a table).
    std::vector<bool> m_isQuery;
    BOOL m_bRefuseExpand = FALSE;
};
