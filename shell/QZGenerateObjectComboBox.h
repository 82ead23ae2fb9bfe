#pragma once
// The combo box of the Generate Pages dialog that offers the object a pick mode is about (a
// section, page, macro, image, ...): it owns one named key per line and is hidden and
// disabled for the modes that are about the whole site.

#include "db/QZKeyCombo.h"
#include "db/QZNameAndKeyList.h"
#include "platform/ui/CComboBox.h"

class QZGenerateObjectComboBox : public CComboBox {
public:
    QZGenerateObjectComboBox() = default;
    ~QZGenerateObjectComboBox() override;

    // The objects of the mode under the application's selected service; modes without
    // objects hide and disable the combo. Engine errors pass on.
    void LoadObjects(int mode);
    // Loads, shows the titles and selects the object of the key, else the first line.
    void FillCombo(int mode, const QZKeyCombo& key);
    // The key of the chosen line; the empty key when none.
    const QZKeyCombo& GetSelectedKey() const;

protected:
    void OnDestroy() override;

private:
    void FreeList();

    QZNameAndKeyList* m_pList = nullptr;
    QZKeyCombo m_EmptyKey;
};
