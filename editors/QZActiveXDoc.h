#pragma once
// The document of the ActiveX object editor: it edits one QZVantrelActiveX.

#include "content/QZVantrelActiveX.h"
#include "editors/QZKindDocument.h"

class QZActiveXDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZActiveXDoc)
public:
    QZActiveXDoc();

    QZVantrelActiveX* GetActiveX() const { return dynamic_cast<QZVantrelActiveX*>(m_pObject); }
};
