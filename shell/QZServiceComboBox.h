#pragma once
// A drop-down list of the sites (deleted ones left out), by name; it hands back the key of the
// site the user picked, -1:-1 when none is picked. The list is read when the box is made.

#include "platform/ui/CComboBox.h"
#include "shell/QZComboItems.h"

class QZServiceComboBox : public CComboBox {
public:
    // Reads the list of sites; engine errors pass on.
    QZServiceComboBox();

    // Reads the list again, fills the control and selects the site of `key`, else the first.
    void Fill(const QZKeyCombo& key);
    // Adds the entries of the list read before (the control is not emptied, the list not read
    // again) and selects the site of `key`; no entry is selected when it is not listed.
    void SelectKey(const QZKeyCombo& key);
    // The key of the selected site, or -1:-1; valid until the next fill.
    const QZKeyCombo& GetSelectedKey() const;

    const QZComboItems& GetItems() const { return m_Items; }

private:
    QZComboItems m_Items;
};
