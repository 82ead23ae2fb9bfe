#include "content/QZVantrelMedia.h"

IMPLEMENT_DYNAMIC(QZVantrelMedia, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[MediaID]", "[Title]", "[FileName]"};
} // namespace

QZVantrelMedia::QZVantrelMedia(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_MEDIA) {
    LoadRow<CMediaSet>(key, bOpen, nullptr, kColumns);
}

QZVantrelMedia::QZVantrelMedia() : QZVantrelBase(OBJ_MEDIA) {
    AddNewRow<CMediaSet>(kColumns);
    SetServiceKey(CurrentServiceKey());
    SetSectionKey(CurrentSectionKey());
}

QZVantrelMedia::~QZVantrelMedia() = default;

QZVantrelMedia& QZVantrelMedia::operator=(const QZVantrelMedia& other) {
    QZVantrelBase::operator=(other);
    return *this;
}
