#pragma once
// The User page of the preferences: the current user, the site database, the interpreter's CGI
// mode and relative path, and the start-up prompt. Applying it with another database saves
// and closes every open window and switches the site database; OK writes the user and the CGI
// settings into the settings at once.

#include "platform/core/CString.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CPropertyPage.h"
#include "shell/QZAuthorComboBox.h"

class QZPrefUserPage : public CPropertyPage {
public:
    QZPrefUserPage();

    // The relative CGI path as stored: one slash at each end ("" gives "/", backslashes at the
    // ends become slashes).
    static CString NormalizeCgiPath(const CString& path);

    BOOL OnInitDialog() override;
    // Switches the site database when the path changed; FALSE keeps the sheet open (the
    // question cancelled, a window that stayed open, a database that could not be used).
    BOOL OnApply() override;
    void OnOK() override;

    int m_bAlwaysPrompt = 0;
    CString m_strDatabase;
    CString m_strCgiPath;
    BOOL m_bCgiMode = TRUE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    BOOL SwitchDatabase();
    void WriteUserSettings();

    QZAuthorComboBox m_Users;
    CButton m_CgiMode;
    CButton m_WinCgiMode;
};
