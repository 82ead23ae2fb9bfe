#include "shell/QZPageComboBox.h"

#include "db/QZListLoaders.h"

QZPageComboBox::QZPageComboBox() : m_Items(QZComboItems::nameAndKey) {}

void QZPageComboBox::Fill(const QZKeyCombo& site, const QZKeyCombo& page) {
    m_Items.Load(LoadListDocumentsByService(site, FALSE), FALSE);
    m_Items.FillControl(*this, page);
}

const QZKeyCombo& QZPageComboBox::GetSelectedKey() const {
    return m_Items.GetSelectedKey(*this);
}
