#pragma once
// The New Site wizard: a wizard-mode sheet that makes a starter site at once (the site, its
// default style, its main section and a home page, four new rows) and lets the user walk
// through the pages that edit them. Finish saves the four, selects the site and section and
// makes the site's development directory; a wizard that does not finish leaves the four rows
// marked deleted and never to be published.

#include "platform/core/CString.h"
#include "platform/ui/CPropertySheet.h"
#include "shell/QZSiteWizardP1.h"
#include "shell/QZSiteWizardP2.h"
#include "shell/QZSiteWizardP3.h"
#include "shell/QZSiteWizardP4.h"
#include "shell/QZSiteWizardP5.h"
#include "shell/QZSiteWizardP6.h"
#include "shell/QZSiteWizardP7.h"
#include "shell/QZSiteWizardP8.h"

#include <memory>

class QZAttributes;
class QZSection;
class QZService;
class QZVantrelPage;

class QZSiteWizardBase : public CPropertySheet {
public:
    // Makes the four rows with the starter values and the settings' roots, and adds the first
    // four pages. Call in wizard mode with an open site database.
    explicit QZSiteWizardBase(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    ~QZSiteWizardBase() override;

    // Runs the wizard; after Finish the site is made (FinishSite), otherwise its rows are
    // marked deleted (CancelSite). A wizard whose rows could not all be added is not shown:
    // the user is told and the answer is -1. IDCANCEL when the site could not be saved.
    INT_PTR DoModal() override;
    // TRUE when the four new rows were added.
    BOOL IsReady() const;

    // The pages after the fourth anew: the remote page or the local one as the site's
    // ProductionUse_ftp says, then the style and section pages.
    void RebuildPagesAfterP4();
    // Fills the production fall-backs, saves the four rows, selects the site and section and
    // offers to make the development directory. FALSE, after telling the user, when a row
    // could not be saved: nothing is selected or made then.
    BOOL FinishSite();
    // Marks the four rows deleted and never to be published, and saves them; once.
    void CancelSite();

    // The development directory the site and section name: DevelopPath, the site's Directory
    // and the section's, joined and made native.
    CString DevelopmentDirectory() const;
    // Makes the directory when it is not there, after asking; "Unable to create Path:  %s"
    // when it cannot be made, also for a path that is not absolute.
    static void MakeDevelopmentDirectory(const CString& path);
    // Makes the (native, absolute) directory with every missing level above it.
    static BOOL MakeDirectoryWithParents(const CString& path);
    // The FTP host proposed for a domain: "ftp" and the domain from its first "." on, or
    // "ftp" and the whole name when it has no ".".
    static CString ProposeFtpAddress(const CString& domain);
    // The "..." buttons: a folder, or a database file, chosen into `path`; FALSE when the
    // user cancelled, `path` unchanged.
    static BOOL BrowseForFolder(CWnd* owner, CString& path);
    static BOOL BrowseForDatabase(CWnd* owner, CString& path);

    QZService* GetSite() const { return m_pService.get(); }
    QZSection* GetMainSection() const { return m_pSection.get(); }
    QZAttributes* GetStyle() const { return m_pStyle.get(); }
    QZVantrelPage* GetHomePage() const { return m_pHomePage.get(); }

    QZSiteWizardP1 m_P1;
    QZSiteWizardP2 m_P2;
    QZSiteWizardP3 m_P3;
    QZSiteWizardP4 m_P4;
    QZSiteWizardP5 m_P5;
    QZSiteWizardP6 m_P6;
    QZSiteWizardP7 m_P7;
    QZSiteWizardP8 m_P8;

private:
    void MakeStarterRows();
    void SetSiteDefaults();
    // DevelopPath, ClientsDb and ClientsProdDb from the settings' roots.
    void SetRootsFromSettings();

    std::unique_ptr<QZService> m_pService;
    std::unique_ptr<QZSection> m_pSection;
    std::unique_ptr<QZAttributes> m_pStyle;
    std::unique_ptr<QZVantrelPage> m_pHomePage;
    bool m_bSettled = false;
};
