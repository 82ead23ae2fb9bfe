#pragma once
// A photo (table PhotoImages): an image with a thumbnail and press details. It reads and
// writes every image operation on its own PhotoImages row; the editors reach the photo's own
// columns through the recordset. Photos are always loaded with a claim and never cached.

#include "content/QZVantrelImage.h"
#include "db/CPhotoImagesSet.h"

class QZVantrelPhoto : public QZVantrelImage {
    DECLARE_DYNAMIC(QZVantrelPhoto)
public:
    // The row with a claim (a read-only copy when another user holds it).
    explicit QZVantrelPhoto(const QZKeyCombo& key);
    // A new row, claimed, in the application's current service and section.
    QZVantrelPhoto();
    ~QZVantrelPhoto() override;
    QZVantrelPhoto& operator=(const QZVantrelPhoto& other);

    CPhotoImagesSet* GetPhotoRecordset() const { return RowAs<CPhotoImagesSet>(); }
};
