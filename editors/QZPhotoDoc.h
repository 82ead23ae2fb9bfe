#pragma once
// The document of the photo editor: it edits one QZVantrelPhoto.

#include "content/QZVantrelPhoto.h"
#include "editors/QZKindDocument.h"

class QZPhotoDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZPhotoDoc)
public:
    QZPhotoDoc();

    QZVantrelPhoto* GetPhoto() const { return dynamic_cast<QZVantrelPhoto*>(m_pObject); }
};
