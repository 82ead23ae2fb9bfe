#pragma once
// A multimedia object (table MQ_Media): a sound or video file of the site, named by its
// directory and file name.

#include "content/QZVantrelBase.h"
#include "db/CMediaSet.h"

class QZVantrelMedia : public QZVantrelBase {
    DECLARE_DYNAMIC(QZVantrelMedia)
public:
    // The row opened by key, with a claim when bOpen is set (a read-only copy when another
    // user holds it, and always without bOpen).
    QZVantrelMedia(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, named "Media Object<n>.wav", in the current service and section.
    QZVantrelMedia();
    ~QZVantrelMedia() override;
    QZVantrelMedia& operator=(const QZVantrelMedia& other);

    // The row, for the columns that have no operation of their own.
    CMediaSet* GetRecordset() const { return RowAs<CMediaSet>(); }
};
