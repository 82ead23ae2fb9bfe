#pragma once
// The last page of the site and section settings sheets: who changed and who published the
// object and when, and the switches Publish, Never Publish and Delete. It edits the sheet's
// site or section (whichever the sheet gives it) and saves nothing itself.

#include "platform/core/CString.h"
#include "platform/ui/CPropertyPage.h"

class QZSection;
class QZService;
class QZVantrelBase;

class QZStatusPage : public CPropertyPage {
public:
    QZStatusPage();

    // The sheet's object; exactly one is set.
    void SetService(QZService* service) { m_pService = service; }
    void SetSection(QZSection* section) { m_pSection = section; }

    BOOL OnInitDialog() override;
    // Marks the object for publishing unless Publish was cleared here, and writes the switches.
    void OnOK() override;
    // Puts back the Deleted column that a click on Delete wrote: a cancelled sheet deletes
    // nothing.
    void OnCancel() override;

    // The members, as the controls show them.
    BOOL m_bPublishOnOK = TRUE;
    CString m_strChangedBy;
    CString m_strLastChanged;
    int m_bNeverPublish = 0;
    int m_bPublish = 0;
    CString m_strPublishedBy;
    CString m_strLastPublished;
    int m_bDeleted = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // The site when there is one, else the section.
    QZVantrelBase* Object() const;
    void OnDelete();
    void OnPublish();
    void OnNeverPublish();
    void EnablePublish(BOOL enable);

    QZService* m_pService = nullptr;
    QZSection* m_pSection = nullptr;
    BOOL m_bDeletedAtStart = FALSE;
};
