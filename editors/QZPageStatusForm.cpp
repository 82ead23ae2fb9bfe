#include "editors/QZPageStatusForm.h"

#include "content/QZVantrelPage.h"
#include "editors/CVantrel3Doc.h"
#include "editors/QZStatusForm.h"
#include "platform/ui/CDataExchange.h"
#include "res/Resource.h"

IMPLEMENT_DYNCREATE(QZPageStatusForm, CFormView)

BEGIN_MESSAGE_MAP(QZPageStatusForm, CFormView)
ON_COMMAND(IDC_STATUS_NEVER_PUBLISH, OnNeverPublish)
ON_COMMAND(IDC_STATUS_NEVER_GENERATE, OnNeverGenerate)
ON_COMMAND(IDC_STATUS_DYNAMIC, OnDynamic)
ON_COMMAND(IDC_STATUS_PUBLISH, OnPublish)
ON_COMMAND(IDC_STATUS_GENERATE, OnGenerate)
END_MESSAGE_MAP()

namespace {

CString VersionText(LONG version) {
    CString text;
    text.Format("%ld", version);
    return text;
}

// Stores a switch that changed into its byte column; TRUE when it changed.
BOOL StoreByte(BYTE& column, int member) {
    const BYTE value = member ? 1 : 0;
    if ((column != 0) == (value != 0))
        return FALSE;
    column = value;
    return TRUE;
}

} // namespace

QZPageStatusForm::QZPageStatusForm() : CFormView(IDD_PAGE_STATUS_FORM) {}

CVantrel3Doc* QZPageStatusForm::Document() const {
    return dynamic_cast<CVantrel3Doc*>(GetDocument());
}

QZVantrelPage* QZPageStatusForm::Page() const {
    CVantrel3Doc* document = Document();
    return document ? document->GetPage() : nullptr;
}

void QZPageStatusForm::OnInitialUpdate() {
    LoadFromObject();
    CFormView::OnInitialUpdate();
}

void QZPageStatusForm::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STATUS_CHANGED_BY, m_strChangedBy);
    DDX_Text(pDX, IDC_STATUS_LAST_CHANGED, m_strLastChanged);
    DDX_Text(pDX, IDC_STATUS_GENERATED_BY, m_strGeneratedBy);
    DDX_Text(pDX, IDC_STATUS_LAST_GENERATED, m_strLastGenerated);
    DDX_Text(pDX, IDC_STATUS_PUBLISHED_BY, m_strPublishedBy);
    DDX_Text(pDX, IDC_STATUS_LAST_PUBLISHED, m_strLastPublished);
    DDX_Text(pDX, IDC_STATUS_VERSION_GENERATED, m_strGeneratedVersion);
    DDX_Text(pDX, IDC_STATUS_VERSION_PUBLISHED, m_strPublishedVersion);
    DDX_Check(pDX, IDC_STATUS_SECURE, m_bSecure);
    DDX_Check(pDX, IDC_STATUS_DELETED, m_bDeleted);
    DDX_Check(pDX, IDC_STATUS_DYNAMIC, m_bDynamic);
    DDX_Check(pDX, IDC_STATUS_GENERATE, m_bGenerate);
    DDX_Check(pDX, IDC_STATUS_NEVER_GENERATE, m_bNeverGenerate);
    DDX_Check(pDX, IDC_STATUS_NEVER_PUBLISH, m_bNeverPublish);
    DDX_Check(pDX, IDC_STATUS_PUBLISH, m_bPublish);
    DDX_Check(pDX, IDC_STATUS_FRAMES, m_bFrames);
}

void QZPageStatusForm::LoadFromObject() {
    QZVantrelPage* page = Page();
    if (!page)
        return;
    const auto* row = page->GetRecordset();
    m_strChangedBy = StatusAuthorText(page->GetChangedByKey());
    m_strLastChanged = StatusTimeText(page->GetLastChanged());
    m_strGeneratedBy = StatusAuthorText(page->GetGeneratedByKey());
    m_strLastGenerated = StatusTimeText(page->GetLastGenerated());
    m_strPublishedBy = StatusAuthorText(page->GetPublishedByKey());
    m_strLastPublished = StatusTimeText(page->GetLastPublished());
    m_strGeneratedVersion = VersionText(page->GetVersionGenerated());
    m_strPublishedVersion = VersionText(page->GetVersionPublished());
    m_bSecure = row->m_AccessControl ? 1 : 0;
    m_bDeleted = row->m_Deleted ? 1 : 0;
    m_bDynamic = row->m_Dynamic ? 1 : 0;
    m_bGenerate = row->m_GenerateFlag ? 1 : 0;
    m_bNeverGenerate = row->m_NeverGenerateFlag ? 1 : 0;
    m_bNeverPublish = page->GetNeverPublishFlag() ? 1 : 0;
    m_bPublish = page->GetPublishFlag() ? 1 : 0;
    m_bFrames = row->m_HasFrames ? 1 : 0;
    ApplyNeverPublish();
    if (m_bDynamic)
        ApplyDynamic();
    else
        ApplyNeverGenerate();
    UpdateData(FALSE);
}

BOOL QZPageStatusForm::ApplyNeverPublish() {
    return RuleOutFlag(*this, IDC_STATUS_PUBLISH, m_bNeverPublish, m_bPublish);
}

BOOL QZPageStatusForm::ApplyNeverGenerate() {
    return RuleOutFlag(*this, IDC_STATUS_GENERATE, m_bNeverGenerate, m_bGenerate);
}

BOOL QZPageStatusForm::ApplyDynamic() {
    for (UINT id : {IDC_STATUS_GENERATE_NOW, IDC_STATUS_GENERATE, IDC_STATUS_NEVER_GENERATE}) {
        if (CWnd* control = GetDlgItem(static_cast<int>(id)))
            control->EnableWindow(!m_bDynamic);
    }
    if (!m_bDynamic)
        return FALSE;
    m_bGenerate = 0;
    m_bNeverGenerate = 0;
    return TRUE;
}

BOOL QZPageStatusForm::SaveToObject() {
    if (!UpdateData(TRUE))
        return FALSE;
    QZVantrelPage* page = Page();
    CVantrel3Doc* document = Document();
    if (!page || !document)
        return TRUE;
    auto* row = page->GetRecordset();
    BOOL changed = StoreByte(row->m_AccessControl, m_bSecure);
    changed |=
        StoreCheck(m_bDeleted, page->IsDeleted(), [page](int value) { page->SetDeleted(value); });
    changed |= StoreByte(row->m_Dynamic, m_bDynamic);
    changed |= StoreByte(row->m_HasFrames, m_bFrames);
    changed |= StoreByte(row->m_GenerateFlag, m_bGenerate);
    changed |= StoreByte(row->m_NeverGenerateFlag, m_bNeverGenerate);
    changed |= StoreCheck(m_bNeverPublish, page->GetNeverPublishFlag(),
                          [page](int value) { page->SetNeverPublishFlag(value); });
    changed |= StoreCheck(m_bPublish, page->GetPublishFlag(),
                          [page](int value) { page->SetPublishFlag(value); });
    if (changed)
        document->SetModifiedFlag(TRUE);
    return TRUE;
}

void QZPageStatusForm::OnNeverPublish() {
    NeverBoxClicked(*this, IDC_STATUS_PUBLISH, m_bNeverPublish, m_bPublish);
}

void QZPageStatusForm::OnNeverGenerate() {
    NeverBoxClicked(*this, IDC_STATUS_GENERATE, m_bNeverGenerate, m_bGenerate);
}

void QZPageStatusForm::OnDynamic() {
    UpdateData(TRUE);
    if (ApplyDynamic() || m_bDynamic)
        UpdateData(FALSE);
}

void QZPageStatusForm::OnPublish() {
    UpdateData(TRUE);
    if (!m_bPublish) {
        if (CVantrel3Doc* document = Document())
            document->m_bPublishOnSave = FALSE;
    }
}

void QZPageStatusForm::OnGenerate() {
    UpdateData(TRUE);
    if (!m_bGenerate) {
        if (CVantrel3Doc* document = Document())
            document->m_bGenerateOnSave = FALSE;
    }
}
