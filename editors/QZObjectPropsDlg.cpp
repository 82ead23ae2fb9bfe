#include "editors/QZObjectPropsDlg.h"

QZObjectPropsDlg::QZObjectPropsDlg(UINT templateId, QZListComboBox& list, const QZKeyCombo& key,
                                   KeyWriter writeKey)
    : QZCommandPropsDlg(templateId, list), m_Key(key), m_writeKey(std::move(writeKey)) {}

void QZObjectPropsDlg::FillLists() {
    FillObjectList(SelectedSite(), m_Key);
}

void QZObjectPropsDlg::OnObjectChosen() {
    m_Key = SelectedKey();
    m_writeKey(m_Key);
}

void QZObjectPropsDlg::StoreFields() {
    m_Key = ChosenKey(m_Key);
    m_writeKey(m_Key);
}
