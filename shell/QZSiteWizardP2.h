#pragma once
// The New Site wizard's second page: the development root and the site's directory below it.

#include "platform/ui/CPropertyPage.h"
#include "shell/QZDirectoryEdit.h"

class QZService;
class QZSiteWizardBase;

class QZSiteWizardP2 : public CPropertyPage {
public:
    QZSiteWizardP2();

    void SetSite(QZService* site) { m_pService = site; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // DevelopPath and Directory from the fields; a refused directory name keeps the page and
    // stores nothing.
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    LRESULT Store();

    QZSiteWizardBase* m_pSheet = nullptr;
    QZService* m_pService = nullptr;
    QZDirectoryEdit m_DirectoryEdit;
    CString m_strDevelopPath;
    CString m_strDirectory;
};
