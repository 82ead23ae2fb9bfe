#pragma once
// The query wizard's "Query Submit Button" page (adding and editing rows): the submit and
// reset buttons of the form, each with its caption.

#include "platform/ui/CButton.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CPropertyPage.h"

class QZQueryWizardBase;

class QZQueryWizardP7 : public CPropertyPage {
public:
    QZQueryWizardP7();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Builds the button text, then the wizard's result.
    BOOL OnWizardFinish() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    QZQueryWizardBase* Sheet() const;

    CButton m_Submit;
    CButton m_Reset;
    CEdit m_SubmitCaption;
    CEdit m_ResetCaption;
};
