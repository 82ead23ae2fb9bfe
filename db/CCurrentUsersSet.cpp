#include "db/CCurrentUsersSet.h"

#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"

IMPLEMENT_DYNAMIC(CCurrentUsersSet, CDaoRecordset)

CCurrentUsersSet::CCurrentUsersSet(CDaoDatabase* database)
    : CDaoRecordset(database), m_UserDbID(0), m_UserID(0), m_Login(0.0), m_pDb(database),
      m_pQueryDef(new CDaoQueryDef(database)), m_pTableDef(nullptr) {
    m_nFields = 3;
    m_nDefaultType = dbOpenDynaset;
}

CCurrentUsersSet::~CCurrentUsersSet() {
    if (IsOpen())
        Close();
    delete m_pTableDef;
    delete m_pQueryDef;
}

CString CCurrentUsersSet::GetTableName() {
    return "CurrentUsers";
}

int CCurrentUsersSet::AddNewRecord(int) {
    if (!IsOpen()) {
        if (m_pTableDef == nullptr)
            m_pTableDef = new CDaoTableDef(m_pDb);
        if (!m_pTableDef->IsOpen())
            m_pTableDef->Open(GetTableName());
        Open(m_pTableDef, dbOpenDynaset, dbConsistent);
    }
    AddNew();
    return 1;
}

int CCurrentUsersSet::OpenByKey(const QZKeyCombo& key, CString queryName, int edit) {
    try {
        PrepareQuery(queryName);
        SetKeyParameters(key);
        if (IsOpen())
            Close();
        Open(m_pQueryDef, dbOpenDynaset, dbConsistent);
        if (IsBOF() && IsEOF())
            return 3;
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

int CCurrentUsersSet::PrepareQuery(CString queryName) {
    if (m_pQueryDef->IsOpen())
        m_pQueryDef->Close();
    m_pQueryDef->Open(queryName);
    return 1;
}

int CCurrentUsersSet::SetKeyParameters(const QZKeyCombo& key) {
    m_pQueryDef->SetParamValue(0, COleVariant(key.m_DbID, VT_I4));
    m_pQueryDef->SetParamValue(1, COleVariant(key.m_KeyID, VT_I4));
    return 1;
}

int CCurrentUsersSet::MoveFirstRow() {
    if (IsBOF() && IsEOF())
        return 0;
    MoveFirst();
    return 1;
}

int CCurrentUsersSet::DeleteRow() {
    Delete();
    return 1;
}

int CCurrentUsersSet::SaveRecord(int) {
    if (GetEditMode() != dbEditNone) {
        Update();
        SetBookmark(GetLastModifiedBookmark());
    }
    return 1;
}

void CCurrentUsersSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[UserDbID]", m_UserDbID);
    DFX_Long(pFX, "[UserID]", m_UserID);
    DFX_DateTime(pFX, "[Login]", m_Login);
}
