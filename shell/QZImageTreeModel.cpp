#include "shell/QZImageTreeModel.h"

#include "db/QZListLoaders.h"
#include "shell/QZTreeCommands.h"

QZNameAndKeyList* QZImageTreeModel::LoadSectionObjects(const QZKeyCombo& section) {
    return LoadListImages(section, FALSE);
}

CString QZImageTreeModel::GetObjectInsertText(const QZTreeItem& item) {
    return "<<image " + item.GetKey().Format() + ">>" + CommentTail(item);
}

void QZImageTreeModel::OpenSelected() {
    QZSectionObjectTreeModel::OpenSelected();
    if (!IsSectionSelected())
        OpenObjectOfKey(GetSelectedKey());
}

void QZImageTreeModel::NewObject() {
    Actions().SendMainCommand(QZTreeCommand::NewImage);
}

void QZImageTreeModel::DeleteSelected() {
    QZKeyCombo key = GetSelectedKey();
    if (!NamesObject(key))
        return;
    DeleteObjectOfKey(key);
    QZSectionObjectTreeModel::DeleteSelected();
}
