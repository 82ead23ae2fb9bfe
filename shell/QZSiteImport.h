#pragma once
// The Import Site dialog: makes a new site from a tree of HTML pages and files in a local
// directory, first fetching the tree from a web server when the user asks for it. It makes
// sure the directory exists, runs the page fetching and the site import, and logs the start
// and end of the run. The run has no abort: while it is on, the dialog's buttons and its
// close box do nothing.

#include "platform/core/CString.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"

#include <cstdint>

class QZSiteImport : public CDialog {
public:
    explicit QZSiteImport(CWnd* pParent = nullptr);

    // IDOK or IDCANCEL; -1 when the dialog cannot be shown.
    INT_PTR DoModal();

    // The example address shown as the dialog opens.
    static constexpr const char* kExampleAddress = "http://www.example.com/index.html";

    CString m_strSiteLocation;
    int32_t m_bRetrieve = 0;
    CString m_strHttpAddress;
    int32_t m_nDepth = 0;

protected:
    BOOL OnInitDialog() override;
    // The import; the dialog stays open when the location is not there and not made.
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnRetrieveChanged();
    void OnBrowseLocation();
    void ReadControls();
    void ShowValues();
    // The site location exists, or was made after the user agreed.
    BOOL EnsureLocation(const CString& location);
    int ChosenDepth();
    void RunImport(const CString& location);
    void EnableButtons(BOOL enable);
    void EnableItem(UINT id, BOOL enable);

    CEdit m_LocationEdit;
    CEdit m_AddressEdit;
    CButton m_RetrieveCheck;
    CButton m_Depth[3];
    BOOL m_bRunning = FALSE;
};
