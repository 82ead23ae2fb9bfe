#pragma once
// The model of the multimedia tree: a site's sections with their ActiveX objects, Java
// applets, scripts and multimedia objects, each kind told by its item image.

#include "shell/QZSectionObjectTreeModel.h"

class QZMultiMediaTreeModel : public QZSectionObjectTreeModel {
public:
    using QZSectionObjectTreeModel::QZSectionObjectTreeModel;

    void OpenSelected() override;
    void DeleteSelected() override;
    // Its four New commands go on to the main window.
    BOOL OnCommand(UINT command) override;
    BOOL HandlesCommand(UINT command) const override;
    int GetContextPopup() const override;

    // The type code of an item image (0 for another image), and the image of a type code.
    static SHORT TypeOfImage(int image);
    static int ImageOfType(SHORT type);

protected:
    QZNameAndKeyList* LoadSectionObjects(const QZKeyCombo& section) override;
    int GetObjectImage(const QZNameAndKey& entry) const override;
    BOOL KeyMatches(const QZKeyCombo& entry, const QZKeyCombo& key) const override;
    CString GetObjectInsertText(const QZTreeItem& item) override;

private:
    // The selected object's key with the type code of its image.
    QZKeyCombo SelectedObjectKey() const;
};
