#include "shell/QZComboItems.h"

#include "platform/ui/CComboBox.h"

QZComboItems::QZComboItems(EntryText entryText) : m_entryText(entryText), m_EmptyKey(-1, -1) {}

QZComboItems::~QZComboItems() {
    DeleteNameAndKeyList(m_pList);
}

void QZComboItems::Load(QZNameAndKeyList* list, BOOL addNone) {
    DeleteNameAndKeyList(m_pList);
    m_pList = list ? list : new QZNameAndKeyList;
    if (addNone)
        m_pList->AddHead(new QZNameAndKey("None", 0, 0, OBJ_PAGE));
}

void QZComboItems::FillControl(CComboBox& combo, const QZKeyCombo& key) {
    combo.ResetContent();
    for (int index = 0; index < GetCount(); ++index)
        combo.AddString(GetEntryText(index));
    int selection = FindKey(key);
    if (selection < 0 && GetCount() > 0)
        selection = 0;
    if (selection >= 0)
        combo.SetCurSel(selection);
    m_nFillSelection = selection;
}

int QZComboItems::GetCount() const {
    return m_pList ? static_cast<int>(m_pList->GetCount()) : 0;
}

CString QZComboItems::GetEntryText(int index) const {
    const QZNameAndKey* item = ItemAt(index);
    if (!item)
        return CString();
    const QZKeyCombo& key = item->m_Key;
    const bool noObject =
        (key.m_DbID == 0 && key.m_KeyID == 0) || (key.m_DbID == -1 && key.m_KeyID == -1);
    return m_entryText == nameOnly || noObject ? item->m_Name : item->m_DisplayText;
}

int QZComboItems::FindKey(const QZKeyCombo& key) const {
    for (int index = 0; index < GetCount(); ++index) {
        if (ItemAt(index)->m_Key == key)
            return index;
    }
    return -1;
}

const QZKeyCombo& QZComboItems::GetKey(int index) const {
    const QZNameAndKey* item = ItemAt(index);
    return item ? item->m_Key : m_EmptyKey;
}

const QZKeyCombo& QZComboItems::GetSelectedKey(const CComboBox& combo) const {
    return GetKey(combo.GetSafeHwnd() ? combo.GetCurSel() : m_nFillSelection);
}

const QZNameAndKey* QZComboItems::ItemAt(int index) const {
    if (!m_pList || index < 0 || index >= GetCount())
        return nullptr;
    return m_pList->GetAt(m_pList->FindIndex(index));
}
