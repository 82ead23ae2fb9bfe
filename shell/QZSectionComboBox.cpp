#include "shell/QZSectionComboBox.h"

#include "db/QZListLoaders.h"

QZSectionComboBox::QZSectionComboBox() : m_Items(QZComboItems::nameOnly) {}

void QZSectionComboBox::Fill(const QZKeyCombo& site, const QZKeyCombo& section) {
    m_Items.Load(LoadListSections(site, FALSE), FALSE);
    m_Items.FillControl(*this, section);
}

const QZKeyCombo& QZSectionComboBox::GetSelectedKey() const {
    return m_Items.GetSelectedKey(*this);
}
