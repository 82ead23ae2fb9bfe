#pragma once
// The framework New's chooser: lists the kinds of document the program can make, by their
// document names, and gives back the one chosen (OK or a double click); Cancel chooses none.

#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"

#include <vector>

class QZNewTypeDlg : public CDialog {
public:
    explicit QZNewTypeDlg(std::vector<CString> names, CWnd* pParent = nullptr);

    // IDOK or IDCANCEL; -1 when the dialog cannot be shown.
    INT_PTR DoModal();
    // The position of the chosen name after IDOK; -1 before.
    int GetChosen() const { return m_nChosen; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<CString> m_names;
    CListBox m_List;
    int m_nChosen = -1;
};
