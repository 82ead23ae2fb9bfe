#pragma once
// The document of the multimedia object editor: it edits one QZVantrelMedia.

#include "content/QZVantrelMedia.h"
#include "editors/QZKindDocument.h"

class QZMultiMediaDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZMultiMediaDoc)
public:
    QZMultiMediaDoc();

    QZVantrelMedia* GetMedia() const { return dynamic_cast<QZVantrelMedia*>(m_pObject); }
};
