#pragma once
// The members of the object combo box family: each lists one kind of object under its parent
// through one list loader, deleted objects left out, and is otherwise the base.

#include "db/QZListLoaders.h"
#include "shell/QZListComboBox.h"

// A family member over the list loader `Load`.
template <QZNameAndKeyList* (*Load)(const QZKeyCombo&, BOOL)>
class QZListComboBoxOf : public QZListComboBox {
public:
    QZNameAndKeyList* LoadObjectList(const QZKeyCombo& parent) override {
        return Load(parent, FALSE);
    }
};

// Under a site.
class QZPagesComboBox : public QZListComboBoxOf<LoadListDocumentsByService> {};
class QZImageComboBox : public QZListComboBoxOf<LoadListImagesByService> {};
class QZFormComboBox : public QZListComboBoxOf<LoadListForms> {};
class QZQueryComboBox : public QZListComboBoxOf<LoadListQueriesByService> {};
class QZScriptComboBox : public QZListComboBoxOf<LoadListScriptsByService> {};
class QZJavaComboBox : public QZListComboBoxOf<LoadListJavaByService> {};
class QZActiveXComboBox : public QZListComboBoxOf<LoadListActiveXByService> {};
class QZMultiMediaComboBox : public QZListComboBoxOf<LoadListMediaByService> {};
class QZAdvertiserComboBox : public QZListComboBoxOf<LoadListAllAdvertisersByService1> {};
class QZAdComboBox : public QZListComboBoxOf<LoadListAllAdsByService> {};
// The ad spaces keep the "S" their query puts before every title.
class QZAdSpaceComboBox : public QZListComboBoxOf<LoadListAllAdSpaceByService> {};

// Under a section.
class QZImageSectionComboBox : public QZListComboBoxOf<LoadListImages> {};

// The pages of a section, without the two kind letters ("SC", "SD", "DC") that the section's
// page query puts before every title.
class QZPagesSectionComboBox : public QZListComboBoxOf<LoadListDocuments> {
public:
    QZNameAndKeyList* LoadObjectList(const QZKeyCombo& parent) override;
};
