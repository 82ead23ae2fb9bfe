#pragma once
// The document of the query editor: it edits one QZVantrelQuery.

#include "content/QZVantrelQuery.h"
#include "editors/QZKindDocument.h"

class QZQueryDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZQueryDoc)
public:
    QZQueryDoc();

    QZVantrelQuery* GetQuery() const { return dynamic_cast<QZVantrelQuery*>(m_pObject); }

protected:
    // A new query takes its site's two client databases.
    void PrepareNewObject() override;
};
