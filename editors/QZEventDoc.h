#pragma once
// The document of the scheduled event editor: it edits one QZVantrelEvent.

#include "content/QZVantrelEvent.h"
#include "editors/QZKindDocument.h"

class QZEventDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZEventDoc)
public:
    QZEventDoc();

    QZVantrelEvent* GetEvent() const { return dynamic_cast<QZVantrelEvent*>(m_pObject); }
};
