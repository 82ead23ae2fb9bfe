#include "shell/QZGeneratePickListBox.h"

#include "db/QZPickList.h"

namespace {

constexpr const char* kNoPages = "<No Pages>";

} // namespace

QZGeneratePickListBox::~QZGeneratePickListBox() {
    ClearList();
}

void QZGeneratePickListBox::FillList(int mode, const QZKeyCombo& key) {
    ClearList();
    ResetContent();
    m_pList = LoadPickList(mode, key);
    ShowItems();
}

void QZGeneratePickListBox::ShowItems() {
    if (!m_pList || m_pList->IsEmpty()) {
        AddString(kNoPages);
        return;
    }
    for (POSITION pos = m_pList->GetHeadPosition(); pos;)
        AddString(m_pList->GetNext(pos)->m_DisplayText);
}

void QZGeneratePickListBox::ClearList() {
    DeleteNameAndKeyList(m_pList);
    m_pList = nullptr;
}

QZNameAndKeyList* QZGeneratePickListBox::GetSelectedItems() const {
    auto* selected = new QZNameAndKeyList;
    if (!m_pList)
        return selected;
    int line = 0;
    for (POSITION pos = m_pList->GetHeadPosition(); pos; ++line) {
        const QZNameAndKey* item = m_pList->GetNext(pos);
        if (GetSel(line) > 0) {
            QZKeyCombo key = item->m_Key;
            key.m_ObjectType = OBJ_PAGE;
            selected->AddTail(new QZNameAndKey(item->m_Name, key));
        }
    }
    return selected;
}

BOOL QZGeneratePickListBox::Contains(const QZKeyCombo& key) const {
    for (POSITION pos = m_pList->GetHeadPosition(); pos;) {
        if (m_pList->GetNext(pos)->m_Key == key)
            return TRUE;
    }
    return FALSE;
}

void QZGeneratePickListBox::AddItems(QZNameAndKeyList* list) {
    if (!list)
        return;
    if (!m_pList)
        m_pList = new QZNameAndKeyList;
    // The "<No Pages>" line goes once a page is listed.
    if (m_pList->IsEmpty() && !list->IsEmpty())
        ResetContent();
    while (!list->IsEmpty()) {
        QZNameAndKey* item = list->RemoveHead();
        if (Contains(item->m_Key)) {
            delete item;
            continue;
        }
        m_pList->AddTail(item);
        SetSel(AddString(item->m_DisplayText), TRUE);
    }
    delete list;
}

void QZGeneratePickListBox::RemoveSelected() {
    if (!m_pList)
        return;
    int lastRemoved = -1;
    int line = 0;
    for (POSITION pos = m_pList->GetHeadPosition(); pos;) {
        const POSITION here = pos;
        QZNameAndKey* item = m_pList->GetNext(pos);
        if (GetSel(line) > 0) {
            m_pList->RemoveAt(here);
            delete item;
            DeleteString(static_cast<UINT>(line));
            lastRemoved = line;
        } else {
            ++line;
        }
    }
    const int count = GetCount();
    if (lastRemoved >= 0 && count > 0)
        SetSel(lastRemoved < count ? lastRemoved : count - 1, TRUE);
}

void QZGeneratePickListBox::SelectAll() {
    SetSel(-1, TRUE);
}

QZNameAndKey* QZGeneratePickListBox::TakeFirst() {
    if (!m_pList || m_pList->IsEmpty())
        return nullptr;
    DeleteString(0);
    return m_pList->RemoveHead();
}

void QZGeneratePickListBox::OnDestroy() {
    ClearList();
    CListBox::OnDestroy();
}
