#include "shell/QZStyleComboBox.h"

#include "db/QZListLoaders.h"

QZStyleComboBox::QZStyleComboBox() : m_Items(QZComboItems::nameOnly) {}

void QZStyleComboBox::Fill(const QZKeyCombo& site, const QZKeyCombo& style) {
    m_Items.Load(LoadListStyles(site, FALSE), FALSE);
    m_Items.FillControl(*this, style);
}

const QZKeyCombo& QZStyleComboBox::GetSelectedKey() const {
    return m_Items.GetSelectedKey(*this);
}
