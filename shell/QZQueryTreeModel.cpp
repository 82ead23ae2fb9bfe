#include "shell/QZQueryTreeModel.h"

#include "content/QZVantrelQuery.h"
#include "db/QZListLoaders.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/MessageBox.h"
#include "shell/CVantrel3App.h"
#include "shell/QZTreeCommands.h"

#include <algorithm>
#include <cstdlib>

namespace {

const char* const kPlaceholder = "Empty";
constexpr LONG kTextAreaSize = 300;

// Empties a list of texts made with new, in order.
std::vector<CString> TakeTexts(CPtrList& list) {
    std::vector<CString> texts;
    while (!list.IsEmpty()) {
        auto* text = static_cast<CString*>(list.RemoveHead());
        texts.push_back(*text);
        delete text;
    }
    return texts;
}

// A field's input width: its size, 30 when it has none.
LONG SizeOf(const QZTreeItem& field) {
    return field.m_lData != 0 ? field.m_lData : 30;
}

CString AddControl(const CString& f, LONG size) {
    CString text;
    if (size >= kTextAreaSize)
        text.Format("%s:  <textarea rows=6 cols=50 name=\"%s\"></textarea>",
                    static_cast<LPCTSTR>(f), static_cast<LPCTSTR>(f));
    else
        text.Format(
            "%s:  <input type=\"text\" name=\"%s\" value=\"\" size=\"30\" maxlength=\"%ld\">",
            static_cast<LPCTSTR>(f), static_cast<LPCTSTR>(f), size);
    return text;
}

CString EditControl(const CString& f, LONG size) {
    CString text;
    if (size >= kTextAreaSize)
        text.Format("%s:  <textarea rows=6 cols=50 name=\"%s\"><<print [%s]>></textarea>",
                    static_cast<LPCTSTR>(f), static_cast<LPCTSTR>(f), static_cast<LPCTSTR>(f));
    else
        text.Format("%s:  <input type=\"text\" name=\"%s\" value=\"<<print [%s]>>\" size=\"30\" "
                    "maxlength=\"%ld\">",
                    static_cast<LPCTSTR>(f), static_cast<LPCTSTR>(f), static_cast<LPCTSTR>(f),
                    size);
    return text;
}

const char* const kSubmit = "\r\n<input type=\"submit\" value=\"Submit\"> <br>\r\n";

} // namespace

void QZQueryTreeModel::LoadObjectList(const QZKeyCombo& site) {
    Clear();
    m_isQuery.clear();
    QZNameAndKeyList* list = LoadListQueries(site, FALSE);
    // Each name begins with its kind letter: "Q" a stored query, any other a table.
    for (POSITION pos = list != nullptr ? list->GetHeadPosition() : nullptr; pos != nullptr;) {
        QZNameAndKey* entry = list->GetNext(pos);
        m_isQuery.push_back(entry->m_Name.Left(1) == "Q");
        entry->SetName(entry->m_Name.Mid(1));
    }
    SetList(list);
}

void QZQueryTreeModel::Fill(const std::vector<QZKeyCombo>* expanded) {
    DeleteAllItems();
    QZNameAndKeyList* list = GetList();
    size_t n = 0;
    for (POSITION pos = list != nullptr ? list->GetHeadPosition() : nullptr; pos != nullptr; ++n) {
        QZNameAndKey* entry = list->GetNext(pos);
        bool query = n < m_isQuery.size() && m_isQuery[n];
        bool open = expanded != nullptr &&
                    std::find(expanded->begin(), expanded->end(), entry->m_Key) != expanded->end();
        QZTreeItem* item =
            RootItem().Append(query ? QZTreeItem::query : QZTreeItem::table, entry->m_DisplayText,
                              query ? QZTreeImage::Query : QZTreeImage::Table, entry);
        if (open) {
            LoadChildren(item);
            item->SetImage(query ? QZTreeImage::OpenQuery : QZTreeImage::OpenTable);
            item->m_bExpanded = TRUE;
        } else {
            item->Append(QZTreeItem::placeholder, kPlaceholder, QZTreeImage::Query);
        }
    }
    NotifyRebuilt();
}

std::vector<QZKeyCombo> QZQueryTreeModel::GetExpandedQueries() const {
    std::vector<QZKeyCombo> keys;
    for (size_t n = 0; n < GetCount(); ++n) {
        QZTreeItem* item = GetRootItem(n);
        if (item->m_nImage == QZTreeImage::OpenQuery || item->m_nImage == QZTreeImage::OpenTable)
            keys.push_back(item->GetKey());
    }
    return keys;
}

void QZQueryTreeModel::Refill(const QZKeyCombo& site, const QZKeyCombo& key) {
    std::vector<QZKeyCombo> expanded = GetExpandedQueries();
    Clear();
    LoadObjectList(site);
    Fill(&expanded);
    SelectKey(key);
}

void QZQueryTreeModel::LoadChildren(QZTreeItem* query) {
    query->DeleteChildren();
    // A selected child goes with the children: the query takes its place.
    if (GetSelectedItem() != nullptr && GetSelectedItem()->m_pParent == query)
        SetSelection(query);
    CPtrList fields;
    CPtrList parameters;
    Actions().BeginWaitCursor();
    try {
        QZKeyCombo key = query->GetKey();
        key.m_ObjectType = OBJ_QUERY;
        QZVantrelQuery object(key, FALSE);
        object.ListFieldsAndParameters(key, fields, parameters);
    } catch (CMemoryException* e) {
        e->Delete();
        AfxMessageBox("Unable to allocate memory.");
    } catch (CException* e) {
        // Any other failure ends the reading without a word.
        e->Delete();
    }
    Actions().EndWaitCursor();
    for (const CString& name : TakeTexts(parameters))
        query->Append(QZTreeItem::parameter, name, QZTreeImage::Parameter);
    for (const CString& text : TakeTexts(fields)) {
        int tab = text.Find('\t');
        QZTreeItem* field =
            query->Append(QZTreeItem::field, tab < 0 ? text : text.Left(tab), QZTreeImage::Field);
        field->m_lData = tab < 0 ? 0 : std::atol(text.Mid(tab + 1));
    }
    NotifyChanged(query);
}

void QZQueryTreeModel::EnsureChildren(QZTreeItem* query) {
    QZTreeItem* first = query->Child(0);
    if (first != nullptr && first->m_kind == QZTreeItem::placeholder)
        LoadChildren(query);
}

BOOL QZQueryTreeModel::OnItemExpanding(QZTreeItem* item, BOOL expand) {
    if (m_bRefuseExpand) {
        m_bRefuseExpand = FALSE;
        return FALSE;
    }
    if (item->m_pParent != &Root())
        return TRUE;
    bool query = item->m_kind == QZTreeItem::query;
    if (expand) {
        item->SetImage(query ? QZTreeImage::OpenQuery : QZTreeImage::OpenTable);
        LoadChildren(item);
    } else {
        item->SetImage(query ? QZTreeImage::Query : QZTreeImage::Table);
        bool hadChildren = item->ChildCount() > 0;
        if (GetSelectedItem() != nullptr && GetSelectedItem()->m_pParent == item)
            SetSelection(item);
        item->DeleteChildren();
        if (hadChildren)
            item->Append(QZTreeItem::placeholder, kPlaceholder, QZTreeImage::Parameter);
        NotifyChanged(item);
    }
    return TRUE;
}

int QZQueryTreeModel::GetContextPopup() const {
    QZTreeItem* selected = GetSelectedItem();
    if (selected == nullptr)
        return 4;
    if (selected->m_kind == QZTreeItem::field)
        return 3;
    if (selected->m_kind == QZTreeItem::query || selected->m_kind == QZTreeItem::table)
        return 2;
    return 4;
}

CString QZQueryTreeModel::GetInsertText() {
    return GetSnippet(QZTreeCommand::Insert);
}

void QZQueryTreeModel::OpenSelected() {
    QZTreeItem* selected = GetSelectedItem();
    if (selected != nullptr && selected->m_kind == QZTreeItem::field) {
        Insert();
        return;
    }
    QZKeyCombo key = GetSelectedKey();
    if (!NamesObject(key))
        return;
    // The double click that opens the query must not expand it too.
    m_bRefuseExpand = TRUE;
    key.m_ObjectType = OBJ_QUERY;
    OpenObjectOfKey(key);
}

void QZQueryTreeModel::NewObject() {
    Actions().SendMainCommand(QZTreeCommand::NewQuery);
}

void QZQueryTreeModel::DeleteSelected() {
    QZKeyCombo key = GetSelectedKey();
    if (!NamesObject(key))
        return;
    key.m_ObjectType = OBJ_QUERY;
    DeleteObjectOfKey(key);
    QZObjectTreeModel::DeleteSelected();
}

BOOL QZQueryTreeModel::OnCommand(UINT command) {
    switch (command) {
    case QZTreeCommand::Insert:
    case QZTreeCommand::PrintMailList:
    case QZTreeCommand::PrintTable:
    case QZTreeCommand::InsertAdd:
    case QZTreeCommand::InsertEdit:
    case QZTreeCommand::ExecuteQuery: {
        CString text = GetSnippet(command);
        if (!text.IsEmpty())
            Actions().InsertTextInActiveEditor(text);
        return TRUE;
    }
    default:
        return QZObjectTreeModel::OnCommand(command);
    }
}

BOOL QZQueryTreeModel::HandlesCommand(UINT command) const {
    switch (command) {
    case QZTreeCommand::PrintMailList:
    case QZTreeCommand::PrintTable:
    case QZTreeCommand::InsertAdd:
    case QZTreeCommand::InsertEdit:
    case QZTreeCommand::ExecuteQuery:
        return TRUE;
    default:
        return QZObjectTreeModel::HandlesCommand(command);
    }
}

QZTreeItem* QZQueryTreeModel::SelectedQueryItem() const {
    QZTreeItem* selected = GetSelectedItem();
    if (selected == nullptr)
        return nullptr;
    return selected->m_pParent == &Root() ? selected : selected->m_pParent;
}

CString QZQueryTreeModel::GetSnippet(UINT command) {
    QZTreeItem* selected = GetSelectedItem();
    if (selected == nullptr)
        return CString();
    switch (selected->m_kind) {
    case QZTreeItem::query:
    case QZTreeItem::table:
        return QuerySnippet(command, selected);
    case QZTreeItem::field:
        return FieldSnippet(command, *selected);
    case QZTreeItem::parameter:
        if (command == QZTreeCommand::Insert || command == QZTreeCommand::PrintMailList)
            return "// " + CutLabel(SelectedQueryItem()->m_label) + "\r\n";
        return CString();
    default:
        return CString();
    }
}

CString QZQueryTreeModel::FieldSnippet(UINT command, const QZTreeItem& field) {
    const CString& f = field.m_label;
    switch (command) {
    case QZTreeCommand::Insert:
    case QZTreeCommand::PrintMailList:
    case QZTreeCommand::Open:
        return "<<print [" + f + "]>>";
    case QZTreeCommand::InsertAdd:
        return AddControl(f, SizeOf(field));
    case QZTreeCommand::InsertEdit:
        return EditControl(f, SizeOf(field));
    default:
        return CString();
    }
}

CString QZQueryTreeModel::QuerySnippet(UINT command, QZTreeItem* query) {
    EnsureChildren(query);
    std::vector<const QZTreeItem*> fields;
    CString parameters;
    for (const auto& child : query->m_children) {
        if (child->m_kind == QZTreeItem::parameter)
            parameters += ", " + child->m_label + "=???";
        else if (child->m_kind == QZTreeItem::field)
            fields.push_back(child.get());
    }
    const CString label = CutLabel(query->m_label);
    const CString call = query->GetKey().Format() + parameters + ">>";
    const BOOL comment = App().m_bAddComments;
    CString text;
    switch (command) {
    case QZTreeCommand::Insert:
    case QZTreeCommand::PrintMailList:
        if (comment)
            text += "\r\n// " + label + "\r\n";
        text += "<<query " + call + "\r\n";
        for (const QZTreeItem* f : fields)
            text += "\t<<print [" + f->m_label + "]>> <br>\r\n";
        return text + "<</query>>";
    case QZTreeCommand::PrintTable:
        if (comment)
            text += "\r\n// " + label + "\r\n";
        text += "<table border=1>\r\n\t<tr>\r\n";
        for (const QZTreeItem* f : fields)
            text += "\t\t<td><b>" + f->m_label + "</b> </td>\r\n";
        text += "\t</tr>\r\n\t<<query " + call + "\r\n\t<tr>\r\n";
        for (const QZTreeItem* f : fields)
            text += "\t\t<td><<print [" + f->m_label + "]>> </td>\r\n";
        return text + "\t</tr>\r\n\t<</query>>\r\n</table>";
    case QZTreeCommand::InsertAdd:
        if (comment)
            text += "\r\n\r\n// " + label + "\r\n";
        for (const QZTreeItem* f : fields)
            text += AddControl(f->m_label, SizeOf(*f)) + " <br>\r\n";
        return text + kSubmit;
    case QZTreeCommand::InsertEdit:
        if (comment)
            text += "\r\n\r\n// " + label + "\r\n";
        text += "<<query " + call + "\r\n";
        for (const QZTreeItem* f : fields)
            text += "\t" + EditControl(f->m_label, SizeOf(*f)) + " <br>\r\n";
        return text + "<</query>>\r\n" + kSubmit;
    case QZTreeCommand::ExecuteQuery:
        return "<<execquery " + call + "\t// " + label + "\r\n";
    default:
        return CString();
    }
}
