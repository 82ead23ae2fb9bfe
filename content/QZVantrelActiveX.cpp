#include "content/QZVantrelActiveX.h"

IMPLEMENT_DYNAMIC(QZVantrelActiveX, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[ObjectID]", "[Title]"};
} // namespace

QZVantrelActiveX::QZVantrelActiveX(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_ACTIVEX) {
    LoadRow<CActiveXSet>(key, bOpen, nullptr, kColumns);
}

QZVantrelActiveX::QZVantrelActiveX() : QZVantrelBase(OBJ_ACTIVEX) {
    AddNewRow<CActiveXSet>(kColumns);
    SetServiceKey(CurrentServiceKey());
    SetSectionKey(CurrentSectionKey());
}

QZVantrelActiveX::~QZVantrelActiveX() = default;

QZVantrelActiveX& QZVantrelActiveX::operator=(const QZVantrelActiveX& other) {
    QZVantrelBase::operator=(other);
    return *this;
}
