#include "content/QZVantrelAdvertiser.h"

IMPLEMENT_DYNAMIC(QZVantrelAdvertiser, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[AdvertiserID]", "[BusinessName]"};
} // namespace

QZVantrelAdvertiser::QZVantrelAdvertiser(const QZKeyCombo& key, BOOL bOpen)
    : QZVantrelBase(OBJ_ADVERTISER) {
    LoadRow<CAdvertiserSet>(key, bOpen, nullptr, kColumns);
}

QZVantrelAdvertiser::QZVantrelAdvertiser() : QZVantrelBase(OBJ_ADVERTISER) {
    AddNewRow<CAdvertiserSet>(kColumns);
    SetServiceKey(CurrentServiceKey());
}

QZVantrelAdvertiser::~QZVantrelAdvertiser() = default;

QZVantrelAdvertiser& QZVantrelAdvertiser::operator=(const QZVantrelAdvertiser& other) {
    QZVantrelBase::operator=(other);
    return *this;
}
