#pragma once
// A page of the New Site wizard that edits the site being made: it finds its sheet when it
// opens, offers Back and Next, and stores its fields into the site whichever way it is left.

#include "platform/ui/CPropertyPage.h"

class QZService;
class QZSiteWizardBase;

class QZSiteWizardPage : public CPropertyPage {
public:
    explicit QZSiteWizardPage(UINT nIDTemplate);

    void SetSite(QZService* site) { m_pService = site; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

protected:
    // The page's own controls attached and its fields read from the site, before the controls
    // are filled.
    virtual void LoadFields() = 0;
    // The fields into the site; -1 keeps the page (a field was refused).
    virtual LRESULT Store() = 0;

    QZSiteWizardBase* m_pSheet = nullptr;
    QZService* m_pService = nullptr;
};
