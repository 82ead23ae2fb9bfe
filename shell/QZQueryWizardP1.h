#pragma once
// The query wizard's first page, "Query Command": the query of the selected site and what to
// do with its rows (print them, add rows, edit rows).

#include "platform/ui/CButton.h"
#include "platform/ui/CPropertyPage.h"
#include "shell/QZListComboBoxes.h"

class QZQueryWizardBase;

class QZQueryWizardP1 : public CPropertyPage {
public:
    QZQueryWizardP1();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Stays while no query (or "None") is chosen; else sets up the pages after this one.
    LRESULT OnWizardNext() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    QZQueryWizardBase* Sheet() const;
    void OnQueryChosen();

    QZQueryComboBox m_Queries;
    CButton m_Print;
};
