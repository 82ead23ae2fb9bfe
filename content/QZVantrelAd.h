#pragma once
// An ad (table MQ_Ad): one advertisement of an advertiser, with the image it shows, the address
// a click leads to and its period. It belongs to a service and to no section.

#include "content/QZVantrelBase.h"
#include "db/CAdSet.h"

class QZVantrelAd : public QZVantrelBase {
    DECLARE_DYNAMIC(QZVantrelAd)
public:
    // The row opened by key, with a claim when bOpen is set (a read-only copy when another
    // user holds it, and always without bOpen).
    QZVantrelAd(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, in the application's current service.
    QZVantrelAd();
    ~QZVantrelAd() override;
    QZVantrelAd& operator=(const QZVantrelAd& other);

    // (ImageDbID, ImageID), an image key.
    virtual QZKeyCombo GetImageKey() const;
    virtual void SetImageKey(const QZKeyCombo& key);
    // (AdvertiserDbID, AdvertiserID), an advertiser key.
    virtual QZKeyCombo GetAdvertiserKey() const;
    virtual void SetAdvertiserKey(const QZKeyCombo& key);

    // The row, for the columns that have no operation of their own.
    CAdSet* GetRecordset() const { return RowAs<CAdSet>(); }
};
