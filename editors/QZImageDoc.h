#pragma once
// The document of the image editor: it edits one QZVantrelImage.

#include "content/QZVantrelImage.h"
#include "editors/QZKindDocument.h"

class QZImageDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZImageDoc)
public:
    QZImageDoc();

    QZVantrelImage* GetImage() const { return dynamic_cast<QZVantrelImage*>(m_pObject); }
};
