#pragma once
// The query wizard's "Query Arguments/Parameters" page: one line "name=???" for each of the
// query's parameters, for the user to give their values.

#include "platform/ui/CEdit.h"
#include "platform/ui/CPropertyPage.h"

class QZQueryWizardBase;

class QZQueryWizardP2 : public CPropertyPage {
public:
    QZQueryWizardP2();

    BOOL OnInitDialog() override;
    // Fills an empty box with the parameter lines.
    BOOL OnSetActive() override;
    // The lines as one parameter text: line breaks become ", ".
    LRESULT OnWizardNext() override;
    // Empties the box, so that the next showing fills it again.
    void Clear();

private:
    QZQueryWizardBase* Sheet() const;

    CEdit m_Parameters;
};
