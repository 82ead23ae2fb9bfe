#include "content/QZVantrelAd.h"

IMPLEMENT_DYNAMIC(QZVantrelAd, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[AdID]", "[Title]"};
} // namespace

QZVantrelAd::QZVantrelAd(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_AD) {
    LoadRow<CAdSet>(key, bOpen, nullptr, kColumns);
}

QZVantrelAd::QZVantrelAd() : QZVantrelBase(OBJ_AD) {
    AddNewRow<CAdSet>(kColumns);
    SetServiceKey(CurrentServiceKey());
}

QZVantrelAd::~QZVantrelAd() = default;

QZVantrelAd& QZVantrelAd::operator=(const QZVantrelAd& other) {
    QZVantrelBase::operator=(other);
    return *this;
}

QZKeyCombo QZVantrelAd::GetImageKey() const {
    return QZKeyCombo(GetRecordset()->m_ImageDbID, GetRecordset()->m_ImageID, OBJ_IMAGE);
}

void QZVantrelAd::SetImageKey(const QZKeyCombo& key) {
    GetRecordset()->m_ImageDbID = key.m_DbID;
    GetRecordset()->m_ImageID = key.m_KeyID;
}

QZKeyCombo QZVantrelAd::GetAdvertiserKey() const {
    return QZKeyCombo(GetRecordset()->m_AdvertiserDbID, GetRecordset()->m_AdvertiserID,
                      OBJ_ADVERTISER);
}

void QZVantrelAd::SetAdvertiserKey(const QZKeyCombo& key) {
    GetRecordset()->m_AdvertiserDbID = key.m_DbID;
    GetRecordset()->m_AdvertiserID = key.m_KeyID;
}
