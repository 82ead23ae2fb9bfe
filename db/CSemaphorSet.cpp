#include "db/CSemaphorSet.h"

#include "db/QZApplication.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"

#include <climits>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CSemaphorSet, CDaoRecordset)

namespace {
// Retries of a claim refused because another connection held the table; each try waits out the
// layer's busy timeout first.
constexpr int kMaxBusyRetries = 5;

// TRUE when the claim text names a session of a program that still has the file open. Claims
// written before claims carried their session hold other text and belong to no live program.
BOOL IsLiveSessionText(CDaoDatabase* database, const CString& text) {
    if (text.IsEmpty() || text.GetLength() > 10 || text.SpanIncluding("0123456789") != text)
        return FALSE;
    long long session = std::atoll(text);
    return session > 0 && session <= INT32_MAX &&
           database->IsSessionAlive(static_cast<LONG>(session));
}

QZKeyCombo CurrentUserKey() {
    QZApplication* app = GetVantrelApp();
    return app != nullptr ? app->GetUserKey() : QZKeyCombo(0, 0);
}
} // namespace

CSemaphorSet::CSemaphorSet(CDaoDatabase* database)
    : CDaoRecordset(database), m_ObjDbID(0), m_ObjKeyID(0), m_ObjTypeID(0), m_DateLocked(0.0),
      m_UserDbID(0), m_UserID(0), m_bLocked(FALSE), m_bReleased(FALSE), m_pDb(database),
      m_pQueryDef(nullptr), m_pTableDef(nullptr) {
    m_nFields = 7;
    m_nDefaultType = dbOpenDynaset;
}

CSemaphorSet::~CSemaphorSet() {
    delete m_pTableDef;
    delete m_pQueryDef;
}

CString CSemaphorSet::GetTableName() {
    return "Semaphor";
}

int CSemaphorSet::Lock(const QZKeyCombo& key) {
    if (m_pTableDef == nullptr)
        m_pTableDef = new CDaoTableDef(m_pDb);
    if (!m_pTableDef->IsOpen())
        m_pTableDef->Open(GetTableName());
    if (IsOpen())
        Close();
    Open(m_pTableDef, dbOpenDynaset, dbConsistent);

    AddNew();
    QZKeyCombo user = CurrentUserKey();
    m_DateLocked = COleDateTime::GetCurrentTime();
    m_UserDbID = user.m_DbID;
    m_UserID = user.m_KeyID;
    // The claim names the running program that took it, so that only claims of programs no
    // longer running are ever cleared as leftovers.
    m_SerializedID.Format("%ld", m_pDb->GetSessionId());
    m_ObjDbID = key.m_DbID;
    m_ObjKeyID = key.m_KeyID;
    m_ObjTypeID = key.m_ObjectType;

    int busy = 0;
    for (;;) {
        try {
            Update();
            m_LockBookmark = GetLastModifiedBookmark();
            m_bLocked = TRUE;
            m_bReleased = FALSE;
            return 1;
        } catch (CDaoException* e) {
            CaughtDaoError error(e);
            bool claimed = false;
            for (int i = 0; i < e->GetErrorCount(); ++i) {
                LONG code = error.Code(i);
                if (code == daoErrLocked)
                    ++busy;
                else if (code == daoErrDuplicateKey)
                    claimed = true;
                else
                    throw error.Release();
            }
            if (claimed)
                return 2;
            if (busy > kMaxBusyRetries)
                return 0;
        }
    }
}

int CSemaphorSet::Unlock(const QZKeyCombo&) {
    if (!m_bLocked || m_bReleased)
        return 1;
    try {
        SetBookmark(m_LockBookmark);
        Delete();
        m_bReleased = TRUE;
        return 1;
    } catch (CDaoException* e) {
        CaughtDaoError(e)->ReportError(MB_OK);
        return 0;
    }
}

int CSemaphorSet::DeleteLocksByUser(const QZKeyCombo& userKey) {
    try {
        CString sql;
        sql.Format("SELECT * FROM Semaphor WHERE UserDbID = %ld AND UserID = %ld", userKey.m_DbID,
                   userKey.m_KeyID);
        CSemaphorSet claims(m_pDb);
        claims.Open(dbOpenDynaset, sql, dbConsistent);
        for (; !claims.IsEOF(); claims.MoveNext()) {
            // The same user may run a second copy of the program: its claims are live.
            if (!IsLiveSessionText(m_pDb, claims.m_SerializedID))
                claims.Delete();
        }
        claims.Close();
        return 1;
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        return 0;
    }
}

int CSemaphorSet::PrepareQuery(CString queryName) {
    if (m_pQueryDef == nullptr)
        m_pQueryDef = new CDaoQueryDef(m_pDb);
    if (m_pQueryDef->IsOpen())
        m_pQueryDef->Close();
    m_pQueryDef->Open(queryName);
    return 1;
}

int CSemaphorSet::SetKeyParameters(const QZKeyCombo& key) {
    m_pQueryDef->SetParamValue(0, COleVariant(key.m_DbID, VT_I4));
    m_pQueryDef->SetParamValue(1, COleVariant(key.m_KeyID, VT_I4));
    m_pQueryDef->SetParamValue(2, COleVariant(key.m_ObjectType, VT_I2));
    return 1;
}

void CSemaphorSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[ObjDbID]", m_ObjDbID);
    DFX_Long(pFX, "[ObjKeyID]", m_ObjKeyID);
    DFX_Long(pFX, "[ObjTypeID]", m_ObjTypeID);
    DFX_DateTime(pFX, "[DateLocked]", m_DateLocked);
    DFX_Text(pFX, "[SerializedID]", m_SerializedID, 255);
    DFX_Long(pFX, "[UserDbID]", m_UserDbID);
    DFX_Long(pFX, "[UserID]", m_UserID);
}
