#pragma once
// The model of the page tree: a site's sections with their pages. A page is inserted as a
// link with the page's title, and can be generated from the tree.

#include "shell/QZSectionObjectTreeModel.h"

class QZPageTreeModel : public QZSectionObjectTreeModel {
public:
    using QZSectionObjectTreeModel::QZSectionObjectTreeModel;

    int GetImageIndex() const override { return 5; }
    int GetSelectedImageIndex() const override { return 5; }
    void OpenSelected() override;
    void NewObject() override;
    void DeleteSelected() override;
    BOOL OnCommand(UINT command) override;
    // The context menu offers "Generate Page" with a page selected.
    BOOL OffersGeneratePage() const;
    BOOL HandlesCommand(UINT command) const override;
    // "Generate Page" while a page is selected.
    UINT GetAppendedMenuCommand(CString& text) const override;
    // Generates the selected page and saves it, logging a start and an end line; a page with
    // the never-generate flag is logged and not written. The page is let go and the
    // recordset caches are emptied however it ends.
    void GeneratePage();

protected:
    CString GetObjectInsertText(const QZTreeItem& item) override;
};
