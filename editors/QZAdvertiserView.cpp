#include "editors/QZAdvertiserView.h"

#include "content/QZVantrelAdvertiser.h"
#include "editors/QZDocument.h"
#include "res/AdEventViewIds.h"

IMPLEMENT_DYNCREATE(QZAdvertiserView, QZBoundFormView)

namespace {

constexpr int kBusinessLimit = 100;

} // namespace

QZAdvertiserView::QZAdvertiserView() : QZBoundFormView(IDD_ADVERTISER_VIEW) {
    // Each text at most what its column holds.
    auto column = [this](CString CAdvertiserSet::*field) {
        return QZFieldBinding::At<CString>([this, field]() -> CString* {
            CAdvertiserSet* row = Row();
            return row ? &(row->*field) : nullptr;
        });
    };
    m_binding
        .Text(IDC_ADVERTISER_FIRST, m_strFirstName, column(&CAdvertiserSet::m_ContactFirstName), 20)
        .Text(IDC_ADVERTISER_LAST, m_strLastName, column(&CAdvertiserSet::m_ContactLastName), 30)
        .Text(IDC_ADVERTISER_EMAIL, m_strEmail, column(&CAdvertiserSet::m_Email), 75)
        .Text(IDC_ADVERTISER_PHONE, m_strPhone, column(&CAdvertiserSet::m_Phone), 15)
        .StoreOrder({&m_strEmail, &m_strLastName, &m_strFirstName, &m_strPhone});
}

CAdvertiserSet* QZAdvertiserView::Row() const {
    auto* advertiser = dynamic_cast<QZVantrelAdvertiser*>(GetObject());
    return advertiser ? advertiser->GetRecordset() : nullptr;
}

void QZAdvertiserView::OnInitialUpdate() {
    m_binding.Fill();
    QZFormView::OnInitialUpdate();
    if (m_edTitle.GetSafeHwnd())
        m_edTitle.LimitText(kBusinessLimit);
}

void QZAdvertiserView::LoadFromObject() {
    m_binding.Fill();
    QZFormView::LoadFromObject();
    if (m_edTitle.GetSafeHwnd())
        m_edTitle.LimitText(kBusinessLimit);
}

BOOL QZAdvertiserView::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    m_binding.Store(GetEditorDocument());
    return TRUE;
}
