#include "editors/QZAdView.h"

#include "content/QZVantrelAd.h"
#include "db/QZApplication.h"
#include "editors/QZDocument.h"
#include "editors/QZEventSchedule.h"
#include "editors/QZObjectSite.h"
#include "res/AdEventViewIds.h"

IMPLEMENT_DYNCREATE(QZAdView, QZBoundFormView)

namespace {

constexpr int kNameLimit = 100;
constexpr int kURLLimit = 255;
const QZKeyCombo kNoEntry(-1, -1);

bool IsNoKey(const QZKeyCombo& key) {
    return key.m_KeyID <= 0;
}

} // namespace

QZAdView::QZAdView() : QZBoundFormView(IDD_AD_VIEW) {
    auto ad = [this] { return dynamic_cast<QZVantrelAd*>(GetObject()); };
    auto date = [this](COleDateTime CAdSet::*field) {
        return QZFieldBinding::At<COleDateTime>([this, field]() -> COleDateTime* {
            CAdSet* row = Row();
            return row ? &(row->*field) : nullptr;
        });
    };
    // An ad without an advertiser or image shows that as no entry chosen.
    auto key = [ad](QZKeyCombo (QZVantrelAd::*get)() const,
                    void (QZVantrelAd::*set)(const QZKeyCombo&)) {
        return QZFieldBinding::Column<QZKeyCombo>{[ad, get] {
                                                      QZVantrelAd* object = ad();
                                                      return object ? (object->*get)() : kNoEntry;
                                                  },
                                                  [ad, set](const QZKeyCombo& value) {
                                                      if (QZVantrelAd* object = ad())
                                                          (object->*set)(value);
                                                  }};
    };
    m_binding
        .Text(IDC_AD_URL, m_strURL, QZFieldBinding::At<CString>([this]() -> CString* {
                  CAdSet* row = Row();
                  return row ? &row->m_AdURL : nullptr;
              }),
              kURLLimit)
        .Date(IDC_AD_START, m_StartDate, date(&CAdSet::m_StartDate))
        .Date(IDC_AD_END, m_EndDate, date(&CAdSet::m_EndDate))
        .ComboKey(IDC_AD_IMAGE, m_ImageKey,
                  key(&QZVantrelAd::GetImageKey, &QZVantrelAd::SetImageKey), m_cbImage)
        .ComboKey(IDC_AD_ADVERTISER, m_AdvertiserKey,
                  key(&QZVantrelAd::GetAdvertiserKey, &QZVantrelAd::SetAdvertiserKey),
                  m_cbAdvertiser);
}

CAdSet* QZAdView::Row() const {
    auto* ad = dynamic_cast<QZVantrelAd*>(GetObject());
    return ad ? ad->GetRecordset() : nullptr;
}

COleDateTime QZAdView::DefaultStartDate(const COleDateTime& now) {
    return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
}

COleDateTime QZAdView::DefaultEndDate(const COleDateTime& now) {
    return DefaultStartDate(now) + COleDateTimeSpan(365, 0, 0, 0);
}

void QZAdView::FillMembers() {
    m_binding.Fill();
    const COleDateTime now = COleDateTime::GetCurrentTime();
    if (QZEventSchedule::IsUnset(m_StartDate))
        m_StartDate = DefaultStartDate(now);
    if (QZEventSchedule::IsUnset(m_EndDate))
        m_EndDate = DefaultEndDate(now);
}

bool QZAdView::HasNoAdvertiser(const QZVantrelAd& ad) const {
    // Opening gave such an ad the selected section's key in place of an advertiser; one the
    // site's list does not hold is none.
    const QZKeyCombo key = ad.GetAdvertiserKey();
    if (IsNoKey(key))
        return true;
    QZApplication* app = GetVantrelApp();
    return m_cbAdvertiser.FindKey(key) < 0 && app && key == app->GetCurrentSectionKey();
}

void QZAdView::FillLists() {
    QZVantrelAd* ad = dynamic_cast<QZVantrelAd*>(GetObject());
    if (!ad)
        return;
    const QZKeyCombo site = SiteOrSelected(*ad);
    if (m_cbAdvertiser.GetSafeHwnd() || m_cbAdvertiser.SubclassDlgItem(IDC_AD_ADVERTISER, this)) {
        // Without an advertiser the list is filled all the same, none of it chosen.
        const QZKeyCombo advertiser = ad->GetAdvertiserKey();
        m_cbAdvertiser.Fill(site, IsNoKey(advertiser) ? QZKeyCombo(0, 0) : advertiser, FALSE);
    }
    if (m_cbImage.GetSafeHwnd() || m_cbImage.SubclassDlgItem(IDC_AD_IMAGE, this))
        m_cbImage.Fill(site, IsNoKey(ad->GetImageKey()) ? QZKeyCombo(0, 0) : ad->GetImageKey(),
                       TRUE);
    // The exchange selects the members' entries; an ad without an advertiser chooses none.
    if (IsNoKey(m_AdvertiserKey) || HasNoAdvertiser(*ad))
        m_AdvertiserKey = kNoEntry;
}

void QZAdView::OnInitialUpdate() {
    FillMembers();
    FillLists();
    QZFormView::OnInitialUpdate();
    if (m_edTitle.GetSafeHwnd())
        m_edTitle.LimitText(kNameLimit);
}

void QZAdView::LoadFromObject() {
    FillMembers();
    FillLists();
    QZFormView::LoadFromObject();
    if (m_edTitle.GetSafeHwnd())
        m_edTitle.LimitText(kNameLimit);
}

BOOL QZAdView::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    // A list with nothing chosen keeps what the ad holds.
    QZVantrelAd* ad = dynamic_cast<QZVantrelAd*>(GetObject());
    if (ad && m_AdvertiserKey == kNoEntry) {
        // Nothing picked: an ad that came without an advertiser keeps none.
        if (HasNoAdvertiser(*ad))
            ad->SetAdvertiserKey(QZKeyCombo(0, 0));
        m_AdvertiserKey = ad->GetAdvertiserKey();
    }
    if (ad && m_ImageKey == kNoEntry)
        m_ImageKey = ad->GetImageKey();
    m_binding.Store(GetEditorDocument());
    return TRUE;
}
