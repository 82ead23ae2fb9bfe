#pragma once
// A drop-down list of the stored objects of one kind under a parent object (a site or a
// section), with an optional "None" entry; it hands back the key of the entry the user picked.
// This base lists the macros of a site; each member of the family (QZListComboBoxes.h) lists
// another kind and differs only in the list it loads.

#include "platform/ui/CComboBox.h"
#include "shell/QZComboItems.h"

class QZListComboBox : public CComboBox {
public:
    QZListComboBox();

    // Fills the control with the objects under `parent` and selects the entry of `select`
    // (else the first entry). When either key is -1:-1 the control is disabled and left as it
    // was. A fill never enables the control. Engine errors pass on.
    void Fill(const QZKeyCombo& parent, const QZKeyCombo& select, BOOL addNone);
    // The key of the selected entry, or -1:-1 when none is; valid until the next fill.
    const QZKeyCombo& GetSelectedKey() const;

    // A new list of the objects this class shows under `parent`, deleted ones left out.
    virtual QZNameAndKeyList* LoadObjectList(const QZKeyCombo& parent);
    // Replaces the items by the loaded list, "None" at its head while the add-None flag is set.
    void LoadList(const QZKeyCombo& parent);
    // Adds every item's entry to the control, in list order.
    void AddItems();
    // The index of the first item with that key (DbID and KeyID), or -1.
    int FindKey(const QZKeyCombo& key) const;

    // The items and what the last fill did, for the dialogs that read them.
    const QZComboItems& GetItems() const { return m_Items; }

private:
    QZComboItems m_Items;
    BOOL m_bAddNone;
};
