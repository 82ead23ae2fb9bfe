#pragma once
// The model of the image tree: a site's sections with their images, inserted as image
// commands.

#include "shell/QZSectionObjectTreeModel.h"

class QZImageTreeModel : public QZSectionObjectTreeModel {
public:
    using QZSectionObjectTreeModel::QZSectionObjectTreeModel;

    int GetImageIndex() const override { return 9; }
    int GetSelectedImageIndex() const override { return 9; }
    void OpenSelected() override;
    void NewObject() override;
    void DeleteSelected() override;

protected:
    QZNameAndKeyList* LoadSectionObjects(const QZKeyCombo& section) override;
    CString GetObjectInsertText(const QZTreeItem& item) override;
};
