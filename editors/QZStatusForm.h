#pragma once
// The status tab of every editor but the page's: who changed and published the object and
// when, and its Never Publish, Publish and Delete switches. Never Publish clears and disables
// Publish.

#include "editors/QZObjectView.h"
#include "platform/ui/CFormView.h"

class QZDocument;
class QZVantrelBase;

class QZStatusForm : public CFormView, public QZObjectView {
    DECLARE_DYNCREATE(QZStatusForm)
public:
    QZStatusForm();

    void OnInitialUpdate() override;
    // The members from the object, and the controls from the members.
    void LoadFromObject() override;
    // The switches into the object, marking the document modified for each one changed; FALSE
    // (nothing changed) when the exchange refused.
    BOOL SaveToObject() override;

    CString m_strChangedBy;
    CString m_strLastChanged;
    CString m_strPublishedBy;
    CString m_strLastPublished;
    int m_bNeverPublish = 0;
    int m_bPublish = 0;
    int m_bDeleted = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    QZDocument* Document() const;
    QZVantrelBase* Object() const;
    void ApplyNeverPublish();
    void OnNeverPublish();
    void OnPublish();

    DECLARE_MESSAGE_MAP()
};

// The text of a status stamp: the author's name, and a time in the locale's long form.
CString StatusAuthorText(const class QZKeyCombo& authorKey);
CString StatusTimeText(const class COleDateTime& when);
// A "Never" box rules its flag out: while `never` is set the flag's box is greyed and the flag
// cleared. TRUE when a set flag was cleared; FALSE, changing nothing, when the form lacks the box.
BOOL RuleOutFlag(CWnd& form, UINT flagBoxId, int never, int& flag);
// A click on a "Never" box: the form is read, the flag ruled out and shown cleared.
void NeverBoxClicked(CFormView& form, UINT flagBoxId, const int& never, int& flag);
// Hands a check box's value to `store` when it differs from the stored one; TRUE when it did.
template <class Store> BOOL StoreCheck(int value, BOOL stored, Store store) {
    if ((value != 0) == (stored != 0))
        return FALSE;
    store(value);
    return TRUE;
}
