#pragma once
// The status tab of the page editor: who changed, generated and published the page and when,
// the versions, and the page's switches. Never Publish rules out Publish, Never Generate rules
// out Generate, and a dynamic page is never generated here: Generate, Never Generate and
// Generate Now are cleared and greyed. Generate Now goes on to the page document.

#include "editors/QZObjectView.h"
#include "platform/ui/CFormView.h"

class CVantrel3Doc;
class QZVantrelPage;

class QZPageStatusForm : public CFormView, public QZObjectView {
    DECLARE_DYNCREATE(QZPageStatusForm)
public:
    QZPageStatusForm();

    void OnInitialUpdate() override;
    // The members from the page, and the controls from the members.
    void LoadFromObject() override;
    // The switches into the page's row, marking the document modified for each one changed;
    // FALSE (nothing changed) when the exchange refused.
    BOOL SaveToObject() override;

    CString m_strChangedBy;
    CString m_strLastChanged;
    CString m_strGeneratedBy;
    CString m_strLastGenerated;
    CString m_strPublishedBy;
    CString m_strLastPublished;
    CString m_strGeneratedVersion;
    CString m_strPublishedVersion;
    int m_bSecure = 0;
    int m_bDeleted = 0;
    int m_bDynamic = 0;
    int m_bGenerate = 0;
    int m_bNeverGenerate = 0;
    int m_bNeverPublish = 0;
    int m_bPublish = 0;
    int m_bFrames = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CVantrel3Doc* Document() const;
    QZVantrelPage* Page() const;
    // Each rule on the members and the boxes; TRUE when it cleared a member.
    BOOL ApplyNeverPublish();
    BOOL ApplyNeverGenerate();
    BOOL ApplyDynamic();
    void OnNeverPublish();
    void OnNeverGenerate();
    void OnDynamic();
    void OnPublish();
    void OnGenerate();

    DECLARE_MESSAGE_MAP()
};
