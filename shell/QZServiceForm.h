#pragma once
// The site settings sheet: the Site, Production and Status pages over one site, loaded by key
// or, for an empty key, a new site row. The caller sets the key, runs the sheet and reads the
// key back (the new site's after OK).

#include "db/QZKeyCombo.h"
#include "platform/ui/CPropertySheet.h"
#include "shell/QZNewService.h"
#include "shell/QZServicePubPage.h"
#include "shell/QZStatusPage.h"

#include <memory>

class QZService;

class QZServiceForm : public CPropertySheet {
public:
    explicit QZServiceForm(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~QZServiceForm() override;

    // Runs the sheet. After OK the site is saved once more, so that the Status page's choices
    // reach the row; a cancelled new site is left marked deleted and never to be published.
    // The site object is freed afterwards and the key holds the site's key.
    INT_PTR DoModal() override;
    // Loads the site (or adds a new row) and gives it to the pages.
    BOOL OnInitDialog() override;

    QZService* GetService() const { return m_pService.get(); }

    std::unique_ptr<QZService> m_pService;
    QZKeyCombo m_Key;
    QZNewService m_SitePage;
    QZServicePubPage m_PubPage;
    QZStatusPage m_StatusPage;

private:
    BOOL IsNewSite() const { return m_Key.m_DbID == 0 && m_Key.m_KeyID == 0; }
    void Finish(INT_PTR result);
};
