#pragma once
// The section settings sheet: the Section and Status pages over one section, loaded by key or,
// for an empty key, a new section of the selected site. The caller sets the key, runs the sheet
// and reads the key back.

#include "db/QZKeyCombo.h"
#include "platform/ui/CPropertySheet.h"
#include "shell/QZNewSection.h"
#include "shell/QZStatusPage.h"

#include <memory>

class QZSection;

class QZSectionForm : public CPropertySheet {
public:
    explicit QZSectionForm(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~QZSectionForm() override;

    // Runs the sheet. After OK the section is saved once more, so that the Status page's
    // choices reach the row; a cancelled new section is left marked deleted and never to be
    // published. The section object is freed afterwards and the key holds the section's key.
    INT_PTR DoModal() override;
    // Loads the section (or adds a new row) and gives it to the pages.
    BOOL OnInitDialog() override;

    QZSection* GetSection() const { return m_pSection.get(); }

    QZNewSection m_SectionPage;
    QZStatusPage m_StatusPage;
    std::unique_ptr<QZSection> m_pSection;
    QZKeyCombo m_Key;

private:
    BOOL IsNewSection() const { return m_Key.m_DbID == 0 && m_Key.m_KeyID == 0; }
    void Finish(INT_PTR result);
};
