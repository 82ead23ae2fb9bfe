#include "editors/QZStatusForm.h"

#include "content/QZServiceLookups.h"
#include "content/QZVantrelBase.h"
#include "editors/QZDocument.h"
#include "platform/ui/CDataExchange.h"
#include "res/Resource.h"

IMPLEMENT_DYNCREATE(QZStatusForm, CFormView)

BEGIN_MESSAGE_MAP(QZStatusForm, CFormView)
ON_COMMAND(IDC_STATUS_NEVER_PUBLISH, OnNeverPublish)
ON_COMMAND(IDC_STATUS_PUBLISH, OnPublish)
END_MESSAGE_MAP()

CString StatusAuthorText(const QZKeyCombo& authorKey) {
    return GetAuthorName(authorKey);
}

CString StatusTimeText(const COleDateTime& when) {
    return when.Format("%#c");
}

void NeverBoxClicked(CFormView& form, UINT flagBoxId, const int& never, int& flag) {
    form.UpdateData(TRUE);
    RuleOutFlag(form, flagBoxId, never, flag);
    if (never && form.GetDlgItem(static_cast<int>(flagBoxId)))
        form.UpdateData(FALSE);
}

BOOL RuleOutFlag(CWnd& form, UINT flagBoxId, int never, int& flag) {
    CWnd* box = form.GetDlgItem(static_cast<int>(flagBoxId));
    if (!box)
        return FALSE;
    box->EnableWindow(!never);
    const BOOL cleared = never && flag;
    if (never)
        flag = 0;
    return cleared;
}

QZStatusForm::QZStatusForm() : CFormView(IDD_STATUS_FORM) {}

QZDocument* QZStatusForm::Document() const {
    return dynamic_cast<QZDocument*>(GetDocument());
}

QZVantrelBase* QZStatusForm::Object() const {
    QZDocument* document = Document();
    return document ? document->GetContentObject() : nullptr;
}

void QZStatusForm::OnInitialUpdate() {
    LoadFromObject();
    CFormView::OnInitialUpdate();
}

void QZStatusForm::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STATUS_CHANGED_BY, m_strChangedBy);
    DDX_Text(pDX, IDC_STATUS_LAST_CHANGED, m_strLastChanged);
    DDX_Text(pDX, IDC_STATUS_PUBLISHED_BY, m_strPublishedBy);
    DDX_Text(pDX, IDC_STATUS_LAST_PUBLISHED, m_strLastPublished);
    DDX_Check(pDX, IDC_STATUS_NEVER_PUBLISH, m_bNeverPublish);
    DDX_Check(pDX, IDC_STATUS_PUBLISH, m_bPublish);
    DDX_Check(pDX, IDC_STATUS_DELETED, m_bDeleted);
}

void QZStatusForm::LoadFromObject() {
    QZVantrelBase* object = Object();
    if (!object)
        return;
    m_strChangedBy = StatusAuthorText(object->GetChangedByKey());
    m_strLastChanged = StatusTimeText(object->GetLastChanged());
    m_strPublishedBy = StatusAuthorText(object->GetPublishedByKey());
    m_strLastPublished = StatusTimeText(object->GetLastPublished());
    m_bNeverPublish = object->GetNeverPublishFlag() ? 1 : 0;
    m_bPublish = object->GetPublishFlag() ? 1 : 0;
    m_bDeleted = object->IsDeleted() ? 1 : 0;
    ApplyNeverPublish();
    UpdateData(FALSE);
}

void QZStatusForm::ApplyNeverPublish() {
    RuleOutFlag(*this, IDC_STATUS_PUBLISH, m_bNeverPublish, m_bPublish);
}

BOOL QZStatusForm::SaveToObject() {
    if (!UpdateData(TRUE))
        return FALSE;
    QZVantrelBase* object = Object();
    QZDocument* document = Document();
    if (!object || !document)
        return TRUE;
    BOOL changed = StoreCheck(m_bNeverPublish, object->GetNeverPublishFlag(),
                              [object](int value) { object->SetNeverPublishFlag(value); });
    changed |= StoreCheck(m_bPublish, object->GetPublishFlag(),
                          [object](int value) { object->SetPublishFlag(value); });
    changed |= StoreCheck(m_bDeleted, object->IsDeleted(),
                          [object](int value) { object->SetDeleted(value); });
    if (changed)
        document->SetModifiedFlag(TRUE);
    return TRUE;
}

void QZStatusForm::OnNeverPublish() {
    NeverBoxClicked(*this, IDC_STATUS_PUBLISH, m_bNeverPublish, m_bPublish);
}

void QZStatusForm::OnPublish() {
    UpdateData(TRUE);
    if (!m_bPublish) {
        if (QZDocument* document = Document())
            document->m_bPublishOnSave = FALSE;
    }
}
