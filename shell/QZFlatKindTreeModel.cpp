#include "shell/QZFlatKindTreeModel.h"

#include "db/QZListLoaders.h"
#include "shell/QZTreeCommands.h"

const QZFlatTreeKind& QZFlatKindTreeModel::Macros() {
    static const QZFlatTreeKind kind{OBJ_MACRO, QZTreeImage::Macro, LoadListTemplates,
                                     QZTreeCommand::NewMacro, "macro"};
    return kind;
}

const QZFlatTreeKind& QZFlatKindTreeModel::Forms() {
    static const QZFlatTreeKind kind{OBJ_FORM, QZTreeImage::Form, LoadListForms,
                                     QZTreeCommand::NewForm, "form"};
    return kind;
}

const QZFlatTreeKind& QZFlatKindTreeModel::Messages() {
    static const QZFlatTreeKind kind{OBJ_MESSAGE, QZTreeImage::Message, LoadListMessages,
                                     QZTreeCommand::NewEmail, "email"};
    return kind;
}

const QZFlatTreeKind& QZFlatKindTreeModel::Styles() {
    static const QZFlatTreeKind kind{OBJ_STYLE, QZTreeImage::Style, LoadListStyles,
                                     QZTreeCommand::NewStyle, nullptr};
    return kind;
}

const QZFlatTreeKind& QZFlatKindTreeModel::Events() {
    static const QZFlatTreeKind kind{OBJ_EVENT, QZTreeImage::Event, LoadListEventsByService,
                                     QZTreeCommand::NewScheduledEvent, nullptr};
    return kind;
}

QZFlatKindTreeModel::QZFlatKindTreeModel(const QZFlatTreeKind& kind, QZTreeActions* actions)
    : QZObjectTreeModel(actions), m_kind(kind) {}

void QZFlatKindTreeModel::LoadObjectList(const QZKeyCombo& site) {
    Clear();
    SetList(m_kind.load(site, FALSE));
}

CString QZFlatKindTreeModel::GetInsertText() {
    QZKeyCombo key = GetSelectedKey();
    if (m_kind.insertCommand == nullptr || !NamesObject(key))
        return CString();
    CString text;
    text.Format("<<%s %s>>", m_kind.insertCommand, static_cast<LPCTSTR>(key.Format()));
    return text + CommentTail(*GetSelectedItem());
}

void QZFlatKindTreeModel::OpenSelected() {
    QZKeyCombo key = GetSelectedKey();
    key.m_ObjectType = m_kind.type;
    OpenObjectOfKey(key);
}

void QZFlatKindTreeModel::NewObject() {
    Actions().SendMainCommand(m_kind.newCommand);
}

void QZFlatKindTreeModel::DeleteSelected() {
    QZKeyCombo key = GetSelectedKey();
    if (!NamesObject(key))
        return;
    key.m_ObjectType = m_kind.type;
    DeleteObjectOfKey(key);
    QZObjectTreeModel::DeleteSelected();
}

BOOL QZFlatKindTreeModel::OnCommand(UINT command) {
    if (command == QZTreeCommand::Insert && m_kind.insertCommand == nullptr)
        return FALSE;
    return QZObjectTreeModel::OnCommand(command);
}

BOOL QZFlatKindTreeModel::HandlesCommand(UINT command) const {
    if (command == QZTreeCommand::Insert && m_kind.insertCommand == nullptr)
        return FALSE;
    return QZObjectTreeModel::HandlesCommand(command);
}

BOOL QZFlatKindTreeModel::IsCommandEnabled(UINT command) const {
    if (command == QZTreeCommand::Insert && m_kind.insertCommand == nullptr)
        return FALSE;
    return QZObjectTreeModel::IsCommandEnabled(command);
}
