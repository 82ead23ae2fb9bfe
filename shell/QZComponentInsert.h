#pragma once
// The Insert Component dialog: the user picks a registered component and the directory for
// its client database, and OK copies the component into the selected site. "Install New
// Component" registers another package first; the list then shows it.

#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "shell/QZComponentComboBox.h"

class QZComponentInsert : public CDialog {
public:
    explicit QZComponentInsert(CWnd* pParent = nullptr);

    // IDOK or IDCANCEL; -1 when the dialog cannot be shown.
    INT_PTR DoModal();

    QZComponentComboBox m_ComponentCombo;
    CString m_strClientDir;

protected:
    BOOL OnInitDialog() override;
    // Inserts the component; closes the dialog only when it was inserted.
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnInstallNew();
    void OnBrowseClientDir();

    CEdit m_DirEdit;
};
