#pragma once
// The query wizard's "Query Special Cases" page (printing only): whether the text counts the
// rows and handles a query without rows.

#include "platform/ui/CButton.h"
#include "platform/ui/CPropertyPage.h"

class QZQueryWizardBase;

class QZQueryWizardP4 : public CPropertyPage {
public:
    QZQueryWizardP4();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // The row-count and no-rows texts of the checked boxes.
    LRESULT OnWizardNext() override;

private:
    QZQueryWizardBase* Sheet() const;

    CButton m_RowCount;
    CButton m_NoRows;
};
