#pragma once
// The document of the form editor: it edits one QZVantrelForm.

#include "content/QZVantrelForm.h"
#include "editors/QZKindDocument.h"

class QZFormDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZFormDoc)
public:
    QZFormDoc();

    QZVantrelForm* GetForm() const { return dynamic_cast<QZVantrelForm*>(m_pObject); }
};
