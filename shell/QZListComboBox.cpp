#include "shell/QZListComboBox.h"

#include "db/QZListLoaders.h"

namespace {

bool IsEmptyKey(const QZKeyCombo& key) {
    return key.m_DbID == -1 && key.m_KeyID == -1;
}

} // namespace

QZListComboBox::QZListComboBox() : m_Items(QZComboItems::nameAndKey), m_bAddNone(TRUE) {}

void QZListComboBox::Fill(const QZKeyCombo& parent, const QZKeyCombo& select, BOOL addNone) {
    m_bAddNone = addNone;
    if (IsEmptyKey(parent) || IsEmptyKey(select)) {
        EnableWindow(FALSE);
        m_Items.NoteDisabled();
        return;
    }
    LoadList(parent);
    m_Items.FillControl(*this, select);
}

const QZKeyCombo& QZListComboBox::GetSelectedKey() const {
    return m_Items.GetSelectedKey(*this);
}

QZNameAndKeyList* QZListComboBox::LoadObjectList(const QZKeyCombo& parent) {
    return LoadListTemplates(parent, FALSE);
}

void QZListComboBox::LoadList(const QZKeyCombo& parent) {
    m_Items.Load(LoadObjectList(parent), m_bAddNone);
}

void QZListComboBox::AddItems() {
    for (int index = 0; index < m_Items.GetCount(); ++index)
        AddString(m_Items.GetEntryText(index));
}

int QZListComboBox::FindKey(const QZKeyCombo& key) const {
    return m_Items.FindKey(key);
}
