#pragma once
// The About box: the program's build, the site database's version and location, the maker's
// notice lines, and the buttons that open the legal notice and the credits.

#include "platform/ui/CFont.h"
#include "platform/ui/CModalDialog.h"
#include "shell/QZPictureWnd.h"

class CAboutDlg : public CModalDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    BOOL OnInitDialog() override;
    // The License and Credits buttons.
    void OnLicense();
    void OnCredits();

    // The database line: the control's own text, the database version and the open path.
    static CString DatabaseLine(const CString& controlText, const CString& path);
    // "Marquill 3.0 (Build 318)".
    static CString TitleLine();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    QZPictureWnd m_picture;
    CFont m_fontNormal;
    CFont m_fontBold;
};
