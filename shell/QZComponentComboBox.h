#pragma once
// The combo box of the registered components: one line "source: title (vversion)" for each
// component the site database lists, in its order, each standing for the entry text
// "source\ttitle\tversion" that the component mover takes.

#include "platform/core/CString.h"
#include "platform/ui/CComboBox.h"

#include <vector>

class QZComponentComboBox : public CComboBox {
public:
    QZComponentComboBox() = default;

    // Takes the entries from the application's site database anew. Engine errors pass on.
    void LoadComponents();
    // Adds one line per entry.
    void ShowComponents();
    // Loads, empties the combo, shows the entries and selects the line (-1: the first one).
    void FillComponents(int index);
    // The entry text of the chosen line; empty when none is chosen.
    CString GetSelectedComponent() const;
    // "source: title (vversion)" of an entry text.
    static CString FormatEntry(const CString& entry);

private:
    std::vector<CString> m_Entries;
    CString m_strChosen;
};
