#pragma once
// An ActiveX object (table MQ_ActiveX): a control that pages embed by class id, with its
// data, size and spacing. It has no file of its own.

#include "content/QZVantrelBase.h"
#include "db/CActiveXSet.h"

class QZVantrelActiveX : public QZVantrelBase {
    DECLARE_DYNAMIC(QZVantrelActiveX)
public:
    // The row opened by key, with a claim when bOpen is set (a read-only copy when another
    // user holds it, and always without bOpen).
    QZVantrelActiveX(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, in the application's current service and section.
    QZVantrelActiveX();
    ~QZVantrelActiveX() override;
    QZVantrelActiveX& operator=(const QZVantrelActiveX& other);

    // The row, for the columns that have no operation of their own.
    CActiveXSet* GetRecordset() const { return RowAs<CActiveXSet>(); }
};
