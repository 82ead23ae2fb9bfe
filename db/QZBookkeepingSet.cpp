#include "db/QZBookkeepingSet.h"

#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"

IMPLEMENT_DYNAMIC(QZBookkeepingSet, CDaoRecordset)

QZBookkeepingSet::QZBookkeepingSet(CDaoDatabase* database)
    : CDaoRecordset(database), m_pDb(database), m_pQuery(std::make_unique<CDaoQueryDef>(database)) {
    m_nDefaultType = dbOpenDynaset;
}

QZBookkeepingSet::~QZBookkeepingSet() {
    // Closed before the definitions it may be open on go.
    if (IsOpen())
        Close();
}

CString QZBookkeepingSet::GetTableName() {
    return "";
}

int QZBookkeepingSet::PrepareQuery(CString queryName) {
    if (m_pQuery->IsOpen())
        m_pQuery->Close();
    m_pQuery->Open(queryName);
    return 1;
}

int QZBookkeepingSet::SetKeyParameters(const QZKeyCombo& key) {
    m_pQuery->SetParamValue(0, COleVariant(key.m_DbID, VT_I4));
    m_pQuery->SetParamValue(1, COleVariant(key.m_KeyID, VT_I4));
    return 1;
}

int QZBookkeepingSet::OpenByKeyQuery(const QZKeyCombo& key, CString queryName, int edit) {
    try {
        PrepareQuery(queryName);
        SetKeyParameters(key);
        if (IsOpen())
            Close();
        Open(m_pQuery.get(), dbOpenDynaset, dbConsistent);
        if (edit)
            Edit();
        return 1;
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        if (error.Has(daoErrLocked))
            return 2;
        error->ReportError(MB_OK);
        throw error.Release();
    }
}

void QZBookkeepingSet::OpenOwnTable() {
    if (IsOpen())
        return;
    if (m_pTable == nullptr)
        m_pTable = std::make_unique<CDaoTableDef>(m_pDb);
    if (!m_pTable->IsOpen())
        m_pTable->Open(GetTableName());
    Open(m_pTable.get(), dbOpenDynaset, dbConsistent);
}
