#pragma once
// An advertiser (table MQ_Advertiser): a business and its contact, whose ads the site
// shows. It belongs to a service and to no section.

#include "content/QZVantrelBase.h"
#include "db/CAdvertiserSet.h"

class QZVantrelAdvertiser : public QZVantrelBase {
    DECLARE_DYNAMIC(QZVantrelAdvertiser)
public:
    // The row opened by key, with a claim when bOpen is set (a read-only copy when another
    // user holds it, and always without bOpen).
    QZVantrelAdvertiser(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, in the application's current service.
    QZVantrelAdvertiser();
    ~QZVantrelAdvertiser() override;
    QZVantrelAdvertiser& operator=(const QZVantrelAdvertiser& other);

    // The row, for the columns that have no operation of their own.
    CAdvertiserSet* GetRecordset() const { return RowAs<CAdvertiserSet>(); }
};
