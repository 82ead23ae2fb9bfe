#pragma once
// The Component Install dialog: the user points to a component package's database and
// "Install" registers the package with the program (copied into the Components folder and
// recorded in the site database). A package that cannot be registered keeps the dialog open.

#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"

class QZComponentInstall : public CDialog {
public:
    explicit QZComponentInstall(CWnd* pParent = nullptr);

    // IDOK or IDCANCEL; -1 when the dialog cannot be shown.
    INT_PTR DoModal();

    CString m_strComponentDir;
    CString m_strComponentFile;

protected:
    BOOL OnInitDialog() override;
    // Registers the package; closes the dialog only when it was registered.
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnBrowseComponent();

    CEdit m_FileEdit;
};
