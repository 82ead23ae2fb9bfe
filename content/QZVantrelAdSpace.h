#pragma once
// An ad space (table MQ_AdSpace): a place on pages that shows one of the ads of its ten slots,
// each slot with a weight in percent. It belongs to a service and to no section.

#include "content/QZVantrelBase.h"
#include "db/CAdSpaceSet.h"

class QZVantrelAdSpace : public QZVantrelBase {
    DECLARE_DYNAMIC(QZVantrelAdSpace)
public:
    static constexpr SHORT kSlotCount = 10;

    // The row opened by key, with a claim when bOpen is set (a read-only copy when another
    // user holds it, and always without bOpen).
    QZVantrelAdSpace(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, in the application's current service.
    QZVantrelAdSpace();
    ~QZVantrelAdSpace() override;
    QZVantrelAdSpace& operator=(const QZVantrelAdSpace& other);

    // The columns of slot n (1 to 10): DbIDn, AdIDn, AdPercentn. Other slot numbers read 0
    // and write nothing.
    LONG GetAdDbID(SHORT n) const;
    LONG GetAdID(SHORT n) const;
    BYTE GetAdPercent(SHORT n) const;
    void SetAdDbID(SHORT n, LONG dbId);
    void SetAdID(SHORT n, LONG id);
    void SetAdPercent(SHORT n, BYTE percent);

    // The ad to show now (type 24): a draw from 0 to 99, seeded from the current second, picks
    // the first of slots 1 to 9 whose running sum of weights passes it, else slot 10. A chosen
    // slot without an ad gives KeyID 0 (no ad).
    QZKeyCombo PickAd();

    // The row, for the columns that have no operation of their own.
    CAdSpaceSet* GetRecordset() const { return RowAs<CAdSpaceSet>(); }

private:
    // The member holding slot n's column of that name pattern ("[AdID%d]"); null outside 1-10.
    template <class T> T* SlotColumn(const char* pattern, SHORT n) const;
    // Seeds the random source with the current second, draws once, seeds it again with the
    // second shifted left by 8 bits and the low byte of that draw, and gives the next draw
    // modulo 100. Within one second every call gives the same number.
    static int DrawPercent();
    SHORT ChooseSlot(int draw) const;
};
