#include "content/QZVantrelAdSpace.h"

#include "content/QZRandomSource.h"
#include "platform/core/Clock.h"

#include <cstdint>

IMPLEMENT_DYNAMIC(QZVantrelAdSpace, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[AdSpaceID]", "[Title]"};
} // namespace

QZVantrelAdSpace::QZVantrelAdSpace(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_ADSPACE) {
    LoadRow<CAdSpaceSet>(key, bOpen, nullptr, kColumns);
}

QZVantrelAdSpace::QZVantrelAdSpace() : QZVantrelBase(OBJ_ADSPACE) {
    AddNewRow<CAdSpaceSet>(kColumns);
    SetServiceKey(CurrentServiceKey());
}

QZVantrelAdSpace::~QZVantrelAdSpace() = default;

QZVantrelAdSpace& QZVantrelAdSpace::operator=(const QZVantrelAdSpace& other) {
    QZVantrelBase::operator=(other);
    return *this;
}

LONG QZVantrelAdSpace::GetAdDbID(SHORT n) const {
    return Read(SlotColumn<LONG>("[DbID%d]", n));
}

LONG QZVantrelAdSpace::GetAdID(SHORT n) const {
    return Read(SlotColumn<LONG>("[AdID%d]", n));
}

BYTE QZVantrelAdSpace::GetAdPercent(SHORT n) const {
    return Read(SlotColumn<BYTE>("[AdPercent%d]", n));
}

void QZVantrelAdSpace::SetAdDbID(SHORT n, LONG dbId) {
    Write(SlotColumn<LONG>("[DbID%d]", n), dbId);
}

void QZVantrelAdSpace::SetAdID(SHORT n, LONG id) {
    Write(SlotColumn<LONG>("[AdID%d]", n), id);
}

void QZVantrelAdSpace::SetAdPercent(SHORT n, BYTE percent) {
    Write(SlotColumn<BYTE>("[AdPercent%d]", n), percent);
}

QZKeyCombo QZVantrelAdSpace::PickAd() {
    SHORT slot = ChooseSlot(DrawPercent());
    if (GetAdID(slot) < 1)
        return QZKeyCombo(0, 0, OBJ_AD);
    return QZKeyCombo(GetAdDbID(slot), GetAdID(slot), OBJ_AD);
}

template <class T> T* QZVantrelAdSpace::SlotColumn(const char* pattern, SHORT n) const {
    if (n < 1 || n > kSlotCount)
        return nullptr;
    CString name;
    name.Format(pattern, static_cast<int>(n));
    return FindColumn<T>(*GetRecordset(), name);
}

int QZVantrelAdSpace::DrawPercent() {
    // The seeds wrap at 32 bits.
    auto now = static_cast<uint32_t>(GetCalendarTime());
    QZRandomSource& random = GetRandomSource();
    random.Seed(now);
    auto first = static_cast<uint32_t>(random.Draw());
    random.Seed((first & 255u) | (now << 8));
    return random.Draw() % 100;
}

SHORT QZVantrelAdSpace::ChooseSlot(int draw) const {
    int sum = 0;
    for (SHORT n = 1; n < kSlotCount; ++n) {
        sum += GetAdPercent(n);
        if (sum > draw)
            return n;
    }
    return kSlotCount;
}
