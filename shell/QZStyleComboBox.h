#pragma once
// A drop-down list of the styles of a site (deleted ones left out), by name; it hands back the key
// of the one the user picked, -1:-1 when none is picked.

#include "platform/ui/CComboBox.h"
#include "shell/QZComboItems.h"

class QZStyleComboBox : public CComboBox {
public:
    QZStyleComboBox();

    // Reads the list under the site, fills the control and selects the entry of `style`,
    // else the first entry. Engine errors pass on.
    void Fill(const QZKeyCombo& site, const QZKeyCombo& style);
    // The key of the selected entry, or -1:-1; valid until the next fill.
    const QZKeyCombo& GetSelectedKey() const;

    const QZComboItems& GetItems() const { return m_Items; }

private:
    QZComboItems m_Items;
};
