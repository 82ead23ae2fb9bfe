#pragma once
// The query wizard's "Query Fields" page: the query's fields, all checked at first; the checked
// ones become the field text of the chosen mode.

#include "platform/ui/CCheckListBox.h"
#include "platform/ui/CPropertyPage.h"

#include <vector>

class QZQueryWizardBase;

class QZQueryWizardP3 : public CPropertyPage {
public:
    QZQueryWizardP3();

    BOOL OnInitDialog() override;
    // Lists every field anew, checked.
    BOOL OnSetActive() override;
    // Builds the field text from the checked lines.
    LRESULT OnWizardNext() override;

    // The line of one field in a mode: a print command (mode 0), or an input or text area,
    // empty (mode 1) or holding the row's value (mode 2). A width of 0 counts as 30; a width
    // of 300 makes a text area.
    static CString FieldLine(LONG mode, const CString& name, LONG width);

private:
    QZQueryWizardBase* Sheet() const;

    CCheckListBox m_Fields;
    std::vector<LONG> m_widths;
};
