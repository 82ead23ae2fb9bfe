#include "shell/QZListComboBoxes.h"

QZNameAndKeyList* QZPagesSectionComboBox::LoadObjectList(const QZKeyCombo& parent) {
    QZNameAndKeyList* list = QZListComboBoxOf<LoadListDocuments>::LoadObjectList(parent);
    for (POSITION pos = list ? list->GetHeadPosition() : nullptr; pos != nullptr;) {
        QZNameAndKey* item = list->GetNext(pos);
        item->SetName(item->m_Name.Mid(2));
    }
    return list;
}
