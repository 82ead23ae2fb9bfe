#include "shell/QZServiceComboBox.h"

#include "db/QZListLoaders.h"

QZServiceComboBox::QZServiceComboBox() : m_Items(QZComboItems::nameOnly) {
    m_Items.Load(LoadListServices(FALSE), FALSE);
}

void QZServiceComboBox::Fill(const QZKeyCombo& key) {
    m_Items.Load(LoadListServices(FALSE), FALSE);
    m_Items.FillControl(*this, key);
}

void QZServiceComboBox::SelectKey(const QZKeyCombo& key) {
    for (int index = 0; index < m_Items.GetCount(); ++index)
        AddString(m_Items.GetEntryText(index));
    SetCurSel(m_Items.FindKey(key));
}

const QZKeyCombo& QZServiceComboBox::GetSelectedKey() const {
    return m_Items.GetSelectedKey(*this);
}
