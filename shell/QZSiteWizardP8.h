#pragma once
// The New Site wizard's last page: the main section's name, title and directory below the
// site's.

#include "platform/ui/CPropertyPage.h"
#include "shell/QZDirectoryEdit.h"

class QZSection;
class QZService;
class QZSiteWizardBase;

class QZSiteWizardP8 : public CPropertyPage {
public:
    QZSiteWizardP8();

    void SetSiteAndSection(QZService* site, QZSection* section) {
        m_pService = site;
        m_pSection = section;
    }

    BOOL OnInitDialog() override;
    // Shows the site's directory as it stands now.
    BOOL OnSetActive() override;
    // SectionName, SectionTitle and the section's Directory from the fields; a refused
    // directory name keeps the page and stores nothing.
    LRESULT OnWizardBack() override;
    BOOL OnWizardFinish() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    BOOL Store();

    QZSiteWizardBase* m_pSheet = nullptr;
    QZService* m_pService = nullptr;
    QZSection* m_pSection = nullptr;
    QZDirectoryEdit m_DirectoryEdit;
    CString m_strName;
    CString m_strTitle;
    CString m_strRelativePath;
    CString m_strDirectory;
};
