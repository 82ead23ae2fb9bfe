#pragma once
// A Java applet (table MQ_Java): its code file (the Code column is its file name), size,
// spacing and alternate text.

#include "content/QZVantrelBase.h"
#include "db/CJavaSet.h"

class QZVantrelJava : public QZVantrelBase {
    DECLARE_DYNAMIC(QZVantrelJava)
public:
    // The row opened by key, with a claim when bOpen is set (a read-only copy when another
    // user holds it, and always without bOpen).
    QZVantrelJava(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, in the application's current service and section.
    QZVantrelJava();
    ~QZVantrelJava() override;
    QZVantrelJava& operator=(const QZVantrelJava& other);

    // The row, for the columns that have no operation of their own.
    CJavaSet* GetRecordset() const { return RowAs<CJavaSet>(); }
};
