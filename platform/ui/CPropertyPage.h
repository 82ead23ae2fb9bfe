#pragma once
// One page of a property sheet or wizard, built from a dialog template of the resources. The
// sheet makes the page's window the first time it shows the page (OnInitDialog runs then) and
// calls the handlers below as the user moves between pages and closes the sheet.

#include "platform/ui/CDialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // The page of template `nIDTemplate`; its tab shows string `nIDCaption` of the string
    // table, or the template's caption when that is 0.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The text of the page's tab (and of a wizard's title while the page shows).
    CString GetCaption() const;
    // The sheet the page belongs to, or, outside a sheet, the parent window.
    CWnd* GetParent() const;
    // Notes that the user changed something on the page.
    void SetModified(BOOL bChanged = TRUE) { m_bModified = bChanged; }
    BOOL IsModified() const { return m_bModified; }

    // The page is about to show; FALSE keeps the page shown before. The base puts the members
    // into the controls again at every showing after the first (OnInitDialog did it then).
    virtual BOOL OnSetActive();
    // The page is about to be left (another tab, Next or Back, OK); the base takes the controls
    // into the members, and a refused exchange keeps the page.
    virtual BOOL OnKillActive();
    // OK on the sheet, for each page shown, in tab order; FALSE keeps the sheet open on this
    // page. The base runs OnOK.
    virtual BOOL OnApply();
    // Applies the page; the base does nothing (the controls were read by OnKillActive).
    void OnOK() override;
    // The sheet was cancelled; run for each page shown. The base does nothing.
    void OnCancel() override;
    // Back and Next in a wizard, before the page is left: 0 goes to the page before or after,
    // -1 stays, any other value goes to the page of that dialog template.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    // Finish in a wizard: FALSE keeps the wizard open.
    virtual BOOL OnWizardFinish();

private:
    friend class CPropertySheet;

    UINT m_nIDTemplate;
    UINT m_nIDCaption;
    BOOL m_bModified = FALSE;
    bool m_firstSetActive = true;
    CPropertySheet* m_pSheet = nullptr;
};
