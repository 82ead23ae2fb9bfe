#include "shell/QZMultiMediaTreeModel.h"

#include "content/QZVantrelActiveX.h"
#include "content/QZVantrelJava.h"
#include "content/QZVantrelMedia.h"
#include "db/QZListLoaders.h"
#include "shell/QZTreeCommands.h"

namespace {

struct MediaKind {
    SHORT type;
    int image;
};

constexpr MediaKind kKinds[] = {{OBJ_ACTIVEX, QZTreeImage::ActiveX},
                                {OBJ_JAVA, QZTreeImage::Java},
                                {OBJ_SCRIPT, QZTreeImage::Script},
                                {OBJ_MEDIA, QZTreeImage::Media}};

// Appends the entries of `more` to `list`, which takes them over; `more` goes.
void Join(QZNameAndKeyList& list, QZNameAndKeyList* more) {
    QZNameAndKeyListPtr owned(more);
    while (owned && !owned->IsEmpty())
        list.AddTail(owned->RemoveHead());
}

// "<<tag K>>", the object's title and "<</tag>>".
template <class Kind> CString Embedded(const char* tag, const QZKeyCombo& key) {
    Kind object(key, FALSE);
    return CString("<<") + tag + " " + key.Format() + ">>" + object.GetName() + "<</" + tag + ">>";
}

} // namespace

SHORT QZMultiMediaTreeModel::TypeOfImage(int image) {
    for (const MediaKind& kind : kKinds)
        if (kind.image == image)
            return kind.type;
    return 0;
}

int QZMultiMediaTreeModel::ImageOfType(SHORT type) {
    for (const MediaKind& kind : kKinds)
        if (kind.type == type)
            return kind.image;
    return 0;
}

QZNameAndKeyList* QZMultiMediaTreeModel::LoadSectionObjects(const QZKeyCombo& section) {
    QZNameAndKeyListPtr list(new QZNameAndKeyList(10));
    // Every by-section list puts one kind letter before the names.
    Join(*list, StripKindLetters(LoadListActiveXBySection(section, FALSE), 1));
    Join(*list, StripKindLetters(LoadListJavaBySection(section, FALSE), 1));
    Join(*list, StripKindLetters(LoadListScriptsBySection(section, FALSE), 1));
    Join(*list, StripKindLetters(LoadListMediaBySection(section, FALSE), 1));
    return list.release();
}

int QZMultiMediaTreeModel::GetObjectImage(const QZNameAndKey& entry) const {
    return ImageOfType(entry.m_Key.m_ObjectType);
}

BOOL QZMultiMediaTreeModel::KeyMatches(const QZKeyCombo& entry, const QZKeyCombo& key) const {
    // Objects of the four kinds may share numbers.
    return entry == key && entry.m_ObjectType == key.m_ObjectType;
}

QZKeyCombo QZMultiMediaTreeModel::SelectedObjectKey() const {
    QZKeyCombo key = GetSelectedKey();
    if (GetSelectedItem() == nullptr || IsSectionSelected())
        return key;
    SHORT type = TypeOfImage(GetSelectedItem()->m_nImage);
    if (type == 0)
        return EmptyKey();
    key.m_ObjectType = type;
    return key;
}

CString QZMultiMediaTreeModel::GetObjectInsertText(const QZTreeItem& item) {
    QZKeyCombo key = item.GetKey();
    switch (TypeOfImage(item.m_nImage)) {
    case OBJ_JAVA:
        return Embedded<QZVantrelJava>("java", key) + CommentTail(item);
    case OBJ_ACTIVEX:
        return Embedded<QZVantrelActiveX>("activex", key) + CommentTail(item);
    case OBJ_SCRIPT:
        return "<<script " + key.Format() + ">>" + CommentTail(item);
    case OBJ_MEDIA:
        return Embedded<QZVantrelMedia>("media", key) + CommentTail(item);
    default:
        return CString();
    }
}

void QZMultiMediaTreeModel::OpenSelected() {
    QZSectionObjectTreeModel::OpenSelected();
    if (!IsSectionSelected())
        OpenObjectOfKey(SelectedObjectKey());
}

void QZMultiMediaTreeModel::DeleteSelected() {
    QZKeyCombo key = SelectedObjectKey();
    if (IsSectionSelected() || !NamesObject(key))
        return;
    DeleteObjectOfKey(key);
    QZSectionObjectTreeModel::DeleteSelected();
}

BOOL QZMultiMediaTreeModel::OnCommand(UINT command) {
    switch (command) {
    case QZTreeCommand::NewActiveX:
    case QZTreeCommand::NewJava:
    case QZTreeCommand::NewScript:
    case QZTreeCommand::NewMultiMedia:
        Actions().SendMainCommand(command);
        return TRUE;
    default:
        return QZSectionObjectTreeModel::OnCommand(command);
    }
}

BOOL QZMultiMediaTreeModel::HandlesCommand(UINT command) const {
    switch (command) {
    case QZTreeCommand::NewActiveX:
    case QZTreeCommand::NewJava:
    case QZTreeCommand::NewScript:
    case QZTreeCommand::NewMultiMedia:
        return TRUE;
    default:
        return QZSectionObjectTreeModel::HandlesCommand(command);
    }
}

int QZMultiMediaTreeModel::GetContextPopup() const {
    return IsSectionSelected() ? 6 : 5;
}
