#include "shell/QZTreeModel.h"

#include "content/CreateVantrelObject.h"
#include "content/QZAttributes.h"
#include "platform/core/CException.h"
#include "platform/core/MessageBox.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"
#include "shell/QZTreeCommands.h"

#include <memory>

namespace {

// The editors' actions when the model was given none: nothing happens.
QZTreeActions& NoActions() {
    static QZTreeActions none;
    return none;
}

struct StatusTab {
    SHORT type;
    int index;
};

// The status tab of each kind's editor frame.
constexpr StatusTab kStatusTabs[] = {
    {OBJ_PAGE, 3},    {OBJ_MACRO, 2}, {OBJ_IMAGE, 1},  {OBJ_QUERY, 1},
    {OBJ_MESSAGE, 2}, {OBJ_STYLE, 1}, {OBJ_FORM, 3},   {OBJ_ACTIVEX, 1},
    {OBJ_JAVA, 1},    {OBJ_MEDIA, 1}, {OBJ_SCRIPT, 2}, {OBJ_ADVERTISER, 1},
    {OBJ_ADSPACE, 1}, {OBJ_AD, 1},    {OBJ_PHOTO, 3},  {OBJ_EVENT, 2},
};

// The content object of a key, loaded with a claim; null when it cannot be made or has no row.
// The factory builds no style, which the style tree deletes, renames and marks all the same.
std::unique_ptr<QZVantrelBase> MakeObject(const QZKeyCombo& key) {
    std::unique_ptr<QZVantrelBase> object;
    if (key.m_ObjectType != OBJ_STYLE) {
        object.reset(CreateVantrelObject(key));
    } else {
        try {
            object = std::make_unique<QZAttributes>(key, TRUE);
        } catch (CException* e) {
            e->Delete();
        }
    }
    // Whether the row was found (a query counts as loaded only once its result rows are open).
    if (object != nullptr && !object->QZVantrelBase::IsLoaded())
        object.reset();
    return object;
}

} // namespace

QZTreeModel::QZTreeModel(QZTreeActions* actions)
    : m_root(QZTreeItem::object, CString(), 0, nullptr, nullptr),
      m_pActions(actions != nullptr ? actions : &NoActions()), m_EditKey(0, 0) {}

QZTreeModel::~QZTreeModel() = default;

QZKeyCombo QZTreeModel::GetSelectedKey() const {
    return EmptyKey();
}

QZKeyCombo QZTreeModel::GetSelectedSectionKey() const {
    return EmptyKey();
}

void QZTreeModel::SelectKey(const QZKeyCombo& key) {
    (void)key;
}

void QZTreeModel::Refill(const QZKeyCombo& site, const QZKeyCombo& key) {
    (void)site;
    (void)key;
}

void QZTreeModel::LoadAndFill(const QZKeyCombo& site) {
    (void)site;
}

void QZTreeModel::DeleteSelected() {}

void QZTreeModel::Clear() {}

int QZTreeModel::GetImageIndex() const {
    return 0;
}

int QZTreeModel::GetSelectedImageIndex() const {
    return 0;
}

UINT QZTreeModel::GetContextMenuId() const {
    return 0;
}

int QZTreeModel::GetContextPopup() const {
    return -1;
}

CString QZTreeModel::GetInsertText() {
    return CString();
}

BOOL QZTreeModel::CanDrag() const {
    return TRUE;
}

void QZTreeModel::OpenSelected() {}

void QZTreeModel::NewObject() {}

void QZTreeModel::OnDoubleClick() {}

BOOL QZTreeModel::OnCommand(UINT command) {
    switch (command) {
    case QZTreeCommand::New:
        NewObject();
        return TRUE;
    case QZTreeCommand::Open:
        OpenSelected();
        return TRUE;
    case QZTreeCommand::Delete:
        DeleteSelected();
        return TRUE;
    case QZTreeCommand::Insert:
        Insert();
        return TRUE;
    case QZTreeCommand::MarkForPublish:
        MarkForPublish();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL QZTreeModel::HandlesCommand(UINT command) const {
    switch (command) {
    case QZTreeCommand::New:
    case QZTreeCommand::Open:
    case QZTreeCommand::Delete:
    case QZTreeCommand::Insert:
    case QZTreeCommand::MarkForPublish:
        return TRUE;
    default:
        return FALSE;
    }
}

UINT QZTreeModel::GetAppendedMenuCommand(CString& text) const {
    text.Empty();
    return 0;
}

BOOL QZTreeModel::IsCommandEnabled(UINT command) const {
    if (command == QZTreeCommand::Open || command == QZTreeCommand::Delete)
        return m_pSelected != nullptr;
    return TRUE;
}

BOOL QZTreeModel::OnItemExpanding(QZTreeItem* item, BOOL expand) {
    (void)item;
    (void)expand;
    return TRUE;
}

void QZTreeModel::OnItemExpanded(QZTreeItem* item, BOOL expanded) {
    item->m_bExpanded = expanded;
}

void QZTreeModel::Select(QZTreeItem* item) {
    m_pSelected = item;
    OnSelectionChanged();
}

void QZTreeModel::SetSelection(QZTreeItem* item) {
    Select(item);
    if (m_pListener != nullptr)
        m_pListener->OnSelectionSet(item);
}

namespace {
QZTreeItem* FindUnder(const QZTreeItem& parent, const CString& label) {
    for (const auto& child : parent.m_children) {
        if (child->m_label == label)
            return child.get();
        if (QZTreeItem* found = FindUnder(*child, label))
            return found;
    }
    return nullptr;
}
} // namespace

QZTreeItem* QZTreeModel::FindItem(const CString& label) const {
    return FindUnder(m_root, label);
}

void QZTreeModel::DeleteAllItems() {
    m_pSelected = nullptr;
    m_root.DeleteChildren();
}

void QZTreeModel::NotifyRebuilt() {
    if (m_pListener != nullptr)
        m_pListener->OnItemsRebuilt();
}

void QZTreeModel::NotifyChanged(QZTreeItem* item) {
    if (m_pListener != nullptr)
        m_pListener->OnItemChanged(item);
}

void QZTreeModel::Insert() {
    CString text = GetInsertText();
    if (!text.IsEmpty())
        Actions().InsertTextInActiveEditor(text);
}

void QZTreeModel::Reload() {
    QZKeyCombo selected = GetSelectedKey();
    Refill(App().GetCurrentServiceKey(), selected);
}

BOOL QZTreeModel::BeginRename(CString& editText) {
    QZKeyCombo key = GetSelectedKey();
    if (!NamesObject(key))
        return FALSE;
    // An object open in an editor is renamed there: its editor comes forward instead.
    if (Actions().ActivateOpenDocument(key, key.m_ObjectType))
        return FALSE;
    m_EditKey = key;
    editText = m_pSelected != nullptr ? EditableLabel(m_pSelected->m_label) : CString();
    return TRUE;
}

void QZTreeModel::EndRename(const CString* newText) {
    QZKeyCombo key = m_EditKey;
    m_EditKey = EmptyKey();
    if (!NamesObject(key))
        return;
    std::unique_ptr<QZVantrelBase> object = MakeObject(key);
    if (object != nullptr && newText != nullptr)
        Rename(*object, *newText);
    // The label shows the refreshed tree's text, also when nothing changed.
    object.reset();
    Actions().RefreshObjectTree(key.m_ObjectType, key);
}

void QZTreeModel::Rename(QZVantrelBase& object, CString name) {
    name.TrimRight();
    // A name of blanks only is no name: the object keeps its own.
    if (name.IsEmpty())
        return;
    if (!object.m_bEditable) {
        ReportObjectBusy(object);
        return;
    }
    object.SetName(name);
    object.Save();
}

void QZTreeModel::MarkForPublish() {
    std::unique_ptr<QZVantrelBase> object = MakeObject(GetSelectedKey());
    if (object == nullptr)
        return;
    if (!object->m_bEditable) {
        ReportObjectBusy(*object);
        return;
    }
    if (object->GetNeverPublishFlag())
        return;
    object->SetPublishFlag(TRUE);
    object->Save();
}

BOOL QZTreeModel::DeleteObject(QZVantrelBase& object) {
    if (!object.m_bEditable) {
        ReportObjectBusy(object);
        return FALSE;
    }
    if (App().m_bConfirmDeletes) {
        CString question;
        question.Format(IDS_TREE_CONFIRM_DELETE, static_cast<LPCTSTR>(object.GetName()));
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDNO)
            return FALSE;
    }
    object.SetDeleted(TRUE);
    // The deletion reaches production only for an object that was published before.
    if (object.GetLastPublished().GetStatus() == COleDateTime::null) {
        object.SetPublishFlag(FALSE);
        object.SetNeverPublishFlag(TRUE);
    } else {
        object.SetPublishFlag(TRUE);
    }
    return object.Save() == 1;
}

void QZTreeModel::ReportObjectBusy(QZVantrelBase& object) {
    const QZKeyCombo key = object.GetKey();
    const SHORT type = object.GetObjectType();
    if (!Actions().ActivateOpenDocument(key, type)) {
        CString text;
        text.Format(IDS_TREE_CANNOT_EDIT, static_cast<LPCTSTR>(object.GetName()));
        AfxMessageBox(text);
        return;
    }
    AfxMessageBox(IDS_TREE_ALREADY_OPEN);
    int tab = StatusTabIndex(type);
    if (tab >= 0)
        Actions().ActivateEditorTab(tab);
}

CString QZTreeModel::CutLabel(const CString& label) {
    int open = label.ReverseFind('(');
    return open > 0 ? label.Left(open) : label;
}

CString QZTreeModel::EditableLabel(const CString& label) {
    CString text = CutLabel(label);
    text.TrimRight();
    return text;
}

BOOL QZTreeModel::NamesObject(const QZKeyCombo& key) {
    bool none = (key.m_DbID == 0 && key.m_KeyID == 0) || (key.m_DbID == -1 && key.m_KeyID == -1);
    return !none;
}

int QZTreeModel::StatusTabIndex(SHORT type) {
    for (const StatusTab& tab : kStatusTabs)
        if (tab.type == type)
            return tab.index;
    return -1;
}

CString QZTreeModel::CommentTail(const QZTreeItem& item) {
    if (!App().m_bAddComments)
        return CString();
    return "\t// " + CutLabel(item.m_label) + "\r\n";
}

CVantrel3App& QZTreeModel::App() {
    return *GetVantrel3App();
}

void QZTreeModel::DeleteObjectOfKey(const QZKeyCombo& key) {
    if (!NamesObject(key))
        return;
    std::unique_ptr<QZVantrelBase> object = MakeObject(key);
    if (object != nullptr)
        DeleteObject(*object);
}

void QZTreeModel::OpenObjectOfKey(const QZKeyCombo& key) {
    if (NamesObject(key))
        Actions().OpenObject(key);
}

QZNameAndKeyList* QZTreeModel::StripKindLetters(QZNameAndKeyList* list, int count) {
    for (POSITION pos = list != nullptr ? list->GetHeadPosition() : nullptr; pos != nullptr;) {
        QZNameAndKey* entry = list->GetNext(pos);
        entry->SetName(entry->m_Name.Mid(count));
    }
    return list;
}
