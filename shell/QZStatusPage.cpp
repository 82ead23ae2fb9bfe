#include "shell/QZStatusPage.h"

#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZServiceLookups.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WindowMessages.h"
#include "res/Resource.h"

namespace {

// The long date and time of the user's locale; empty for a date never set.
CString DateText(const COleDateTime& when) {
    if (when.GetStatus() != COleDateTime::valid)
        return CString();
    CString format;
    format.LoadString(IDS_STATUS_DATE_FORMAT);
    return when.Format(format);
}

} // namespace

QZStatusPage::QZStatusPage() : CPropertyPage(IDD_STATUS_FORM, IDS_STATUS_CAPTION) {}

QZVantrelBase* QZStatusPage::Object() const {
    if (m_pService)
        return m_pService;
    return m_pSection;
}

BOOL QZStatusPage::OnInitDialog() {
    if (QZVantrelBase* object = Object()) {
        m_strChangedBy = GetAuthorName(object->GetChangedByKey());
        m_strLastChanged = DateText(object->GetLastChanged());
        m_bNeverPublish = object->GetNeverPublishFlag() ? 1 : 0;
        m_bPublish = object->GetPublishFlag() ? 1 : 0;
        m_strPublishedBy = GetAuthorName(object->GetPublishedByKey());
        m_strLastPublished = DateText(object->GetLastPublished());
        m_bDeleted = object->IsDeleted() ? 1 : 0;
        m_bDeletedAtStart = object->IsDeleted();
    }
    if (m_bNeverPublish)
        m_bPublish = 0;
    CPropertyPage::OnInitDialog();
    EnablePublish(!m_bNeverPublish);
    return TRUE;
}

void QZStatusPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STATUS_CHANGED_BY, m_strChangedBy);
    DDX_Text(pDX, IDC_STATUS_LAST_CHANGED, m_strLastChanged);
    DDX_Check(pDX, IDC_STATUS_NEVER_PUBLISH, m_bNeverPublish);
    DDX_Check(pDX, IDC_STATUS_PUBLISH, m_bPublish);
    DDX_Text(pDX, IDC_STATUS_PUBLISHED_BY, m_strPublishedBy);
    DDX_Text(pDX, IDC_STATUS_LAST_PUBLISHED, m_strLastPublished);
    DDX_Check(pDX, IDC_STATUS_DELETED, m_bDeleted);
}

BOOL QZStatusPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_STATUS_DELETED:
            OnDelete();
            return TRUE;
        case IDC_STATUS_PUBLISH:
            OnPublish();
            return TRUE;
        case IDC_STATUS_NEVER_PUBLISH:
            OnNeverPublish();
            return TRUE;
        default:
            break;
        }
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void QZStatusPage::OnDelete() {
    UpdateData(TRUE);
    // The sheet's first page reads the row's Deleted column when it applies.
    if (QZVantrelBase* object = Object())
        object->SetDeleted(m_bDeleted != 0);
}

void QZStatusPage::OnPublish() {
    UpdateData(TRUE);
    if (!m_bPublish)
        m_bPublishOnOK = FALSE;
}

void QZStatusPage::OnNeverPublish() {
    UpdateData(TRUE);
    if (m_bNeverPublish) {
        m_bPublish = 0;
        EnablePublish(FALSE);
        UpdateData(FALSE);
    } else {
        EnablePublish(TRUE);
    }
}

void QZStatusPage::EnablePublish(BOOL enable) {
    if (CWnd* publish = GetDlgItem(IDC_STATUS_PUBLISH))
        publish->EnableWindow(enable);
}

void QZStatusPage::OnOK() {
    CPropertyPage::OnOK();
    QZVantrelBase* object = Object();
    if (!object)
        return;
    if (m_bPublishOnOK)
        m_bPublish = 1;
    object->SetNeverPublishFlag(m_bNeverPublish != 0);
    object->SetPublishFlag(m_bPublish != 0);
    object->SetDeleted(m_bDeleted != 0);
    if (m_bDeleted) {
        const BOOL neverPublished = object->GetLastPublished().GetStatus() == COleDateTime::null;
        object->SetPublishFlag(!neverPublished);
        if (neverPublished)
            object->SetNeverPublishFlag(TRUE);
    }
}

void QZStatusPage::OnCancel() {
    if (QZVantrelBase* object = Object())
        object->SetDeleted(m_bDeletedAtStart);
    CPropertyPage::OnCancel();
}
