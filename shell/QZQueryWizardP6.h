#pragma once
// The query wizard's "Query Group By" page (printing only): the fields whose change starts a
// group, each with the text that the group runs ("Do this:"), which the user edits line by
// line.

#include "platform/ui/CCheckListBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CPropertyPage.h"

#include <optional>
#include <vector>

class QZQueryWizardBase;

class QZQueryWizardP6 : public CPropertyPage {
public:
    QZQueryWizardP6();

    BOOL OnInitDialog() override;
    // Lists every field anew, unchecked and without actions.
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    // Builds the group text, then the wizard's result.
    BOOL OnWizardFinish() override;
    void OnCancel() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    QZQueryWizardBase* Sheet() const;
    // Another line was selected: the action text goes to the line left, the line chosen
    // shows its own.
    void OnSelectionChanged();
    // "Do this:" into the action of the line selected last, when it has one.
    void KeepShownAction();
    void BuildGroupText();

    CCheckListBox m_Fields;
    CEdit m_Action;
    std::vector<std::optional<CString>> m_actions;
    int m_nSelected = -1;
};
