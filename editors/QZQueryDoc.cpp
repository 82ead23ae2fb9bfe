#include "editors/QZQueryDoc.h"

#include "content/QZServiceLookups.h"

IMPLEMENT_DYNCREATE(QZQueryDoc, QZKindDocument)

QZQueryDoc::QZQueryDoc() : QZKindDocument(OBJ_QUERY) {}

void QZQueryDoc::PrepareNewObject() {
    QZVantrelQuery* query = GetQuery();
    const QZKeyCombo site = query->GetServiceKey();
    query->GetRecordset()->m_DatabaseName = GetServiceClientsDb(site);
    query->GetRecordset()->m_ClientsProdDb = GetServiceClientsProdDb(site);
}
