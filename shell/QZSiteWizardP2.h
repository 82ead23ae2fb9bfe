#pragma once
// The New Site wizard's second page: the development root and the site's directory below it.

#include "shell/QZDirectoryEdit.h"
#include "shell/QZSiteWizardPage.h"

class QZSiteWizardP2 : public QZSiteWizardPage {
public:
    QZSiteWizardP2();

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    void LoadFields() override;
    // DevelopPath and Directory from the fields; a refused directory name keeps the page and
    // stores nothing.
    LRESULT Store() override;

private:
    QZDirectoryEdit m_DirectoryEdit;
    CString m_strDevelopPath;
    CString m_strDirectory;
};
