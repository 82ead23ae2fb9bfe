#pragma once
// The document of the e-mail message editor: it edits one QZVantrelMessage.

#include "content/QZVantrelMessage.h"
#include "editors/QZKindDocument.h"

class QZMessageDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZMessageDoc)
public:
    QZMessageDoc();

    QZVantrelMessage* GetMessage() const { return dynamic_cast<QZVantrelMessage*>(m_pObject); }
};
