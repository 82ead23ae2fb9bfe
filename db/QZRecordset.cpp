#include "db/QZRecordset.h"

#include "db/CSemaphorSet.h"
#include "db/CVantrelDb.h"
#include "db/QZMemberValues.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/CDaoWorkspace.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"

IMPLEMENT_DYNAMIC(QZRecordset, CDaoRecordset)

namespace {
// Edit tries before a row that stays locked by another connection is given up.
constexpr int kEditTries = 6;

LONG DbIdOf(CDaoDatabase* database) {
    auto* site = dynamic_cast<CVantrelDb*>(database);
    return site != nullptr ? site->GetDbId() : 0;
}

// Calls its action when it goes, on every path out of a scope.
template <typename Action> class ScopeExit {
public:
    explicit ScopeExit(Action action) : m_action(action) {}
    ~ScopeExit() { m_action(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action m_action;
};
} // namespace

QZRecordset::QZRecordset(CDaoDatabase* database)
    : CDaoRecordset(database), m_bCopyOwnId(FALSE), m_SetDbID(DbIdOf(database)), m_Key(0, 0),
      m_pQueryDef(new CDaoQueryDef(database)), m_pLockSet(nullptr),
      m_pLockKey(new QZKeyCombo(0, 0, OBJ_SERVICE)), m_bLockHeld(FALSE) {}

QZRecordset::~QZRecordset() {
    CatchDaoError([&] {
        if (IsOpen())
            Close();
        if (m_pQueryDef->IsOpen())
            m_pQueryDef->Close();
    });
    delete m_pQueryDef;
    // A set destroyed unsaved still gives up its claim.
    ReleaseLock();
    delete m_pLockSet;
    delete m_pLockKey;
}

int QZRecordset::AddNewRecord(int) {
    ReleaseLock();
    if (!IsOpen()) {
        CDaoTableDef table(m_pDatabase);
        table.Open(GetTableName());
        Open(&table, dbOpenDynaset, dbConsistent);
    }
    // The row and its claim are written together or not at all: a row nobody has claimed
    // could never be saved, and one without its DbID would be nobody's.
    CDaoWorkspace* workspace = m_pDatabase->m_pWorkspace;
    bool inTransaction = false;
    try {
        workspace->BeginTrans();
        inTransaction = true;
        AddNew();
        SetNewRowDbId();
        Update();
        SetBookmark(GetLastModifiedBookmark());
        QZKeyCombo key = GetKey();
        key.SetObjectType(GetObjectType());
        if (LockRecord(key) != 1) {
            inTransaction = false;
            workspace->Rollback();
            m_bLockHeld = FALSE;
            return 0;
        }
        inTransaction = false;
        workspace->CommitTrans();
        return 1;
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        CancelUpdate();
        if (inTransaction)
            RollbackQuietly(workspace);
        m_bLockHeld = FALSE;
        // The lock table busy past the wait is the same answer as a claim that stayed busy.
        if (!error.Has(daoErrLocked))
            error->ReportError(MB_OK);
        return 0;
    }
}

void QZRecordset::CopyFields(QZRecordset*) {}

QZKeyCombo& QZRecordset::GetKey() {
    return m_Key;
}

CString QZRecordset::GetTableName() {
    return "<Base Class Name>";
}

SHORT QZRecordset::GetObjectType() {
    return OBJ_NONE;
}

int QZRecordset::RewriteRecord() {
    return 0;
}

void QZRecordset::CancelUpdate() {
    if (GetEditMode() != dbEditNone)
        CDaoRecordset::CancelUpdate();
}

void QZRecordset::DoFieldExchange(CDaoFieldExchange*) {}

int QZRecordset::OpenByKey(const QZKeyCombo& key, CString queryName, int lock) {
    // A set moved to another row gives up the claim on the one before.
    ReleaseLock();
    m_QueryName = queryName;
    try {
        PrepareQuery(queryName);
        SetKeyParameters(key);
        if (IsOpen())
            Close();
        Open(m_pQueryDef, dbOpenDynaset, dbConsistent);
        if (IsBOF() && IsEOF())
            return openNotFound;
        if (lock == 0)
            return openFound;
        if (key.m_DbID == 1)
            return openReadOnly; // objects of DbID 1 are always read-only copies
        int result = Claim(key);
        if (result == openFound && !ReadClaimedRow(TRUE))
            return openNotFound;
        return result;
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        // A read-only copy needs the row; without it the database was only busy.
        if (error.Has(daoErrLocked))
            return IsOnRow() ? openReadOnly : openBusy;
        error->ReportError(MB_OK);
        throw error.Release();
    }
}

int QZRecordset::SaveRecord(int keepLock) {
    MakeLockSet();
    // A set that neither edits nor holds the claim is a read-only copy: nothing is saved.
    if (GetEditMode() == dbEditNone && !m_bLockHeld)
        return 0;
    if (RewriteRecord() == 0)
        return 0;
    SetBookmark(GetLastModifiedBookmark());
    if (!keepLock)
        ReleaseLock();
    return 1;
}

int QZRecordset::MoveFirstRow() {
    if (IsBOF() && IsEOF())
        return 0;
    MoveFirst();
    return 1;
}

int QZRecordset::MoveNextRow() {
    MoveNext();
    return IsEOF() ? 0 : 1;
}

int QZRecordset::CloseQueryAndSet() {
    if (m_pQueryDef->IsOpen())
        m_pQueryDef->Close();
    if (IsOpen())
        Close();
    return 1;
}

int QZRecordset::PrepareQuery(CString queryName) {
    if (m_pQueryDef->IsOpen())
        m_pQueryDef->Close();
    m_pQueryDef->Open(queryName);
    return 1;
}

int QZRecordset::SetKeyParameters(const QZKeyCombo& key) {
    m_pQueryDef->SetParamValue(0, COleVariant(key.m_DbID, VT_I4));
    m_pQueryDef->SetParamValue(1, COleVariant(key.m_KeyID, VT_I4));
    return 1;
}

int QZRecordset::LockRecord(const QZKeyCombo& key) {
    int result = Claim(key);
    if (result == openFound && !ReadClaimedRow(FALSE))
        return openNotFound;
    return result;
}

int QZRecordset::Claim(const QZKeyCombo& key) {
    // A set holds at most one claim.
    ReleaseLock();
    m_pLockKey->SetKeyAndType(key.m_DbID, key.m_KeyID, GetObjectType());
    MakeLockSet();
    int result = m_pLockSet->Lock(*m_pLockKey);
    if (result == 1)
        m_bLockHeld = TRUE;
    else if (result == 2)
        m_bLockHeld = FALSE;
    return result;
}

int QZRecordset::RewriteAllFields(void* ownIdMember) {
    QZMemberValues copies(BoundMembers());
    // Edit reloads the members and CancelUpdate may too: the caller's values come back always.
    ScopeExit putBack([&copies] { copies.Restore(); });
    for (int refused = 0;;) {
        try {
            Edit();
            break;
        } catch (CDaoException* e) {
            CaughtDaoError error(e);
            if (!error.Has(daoErrLocked))
                throw error.Release();
            if (++refused == kEditTries)
                return 0;
        }
    }
    copies.Restore();
    SetFieldDirty(nullptr, TRUE);
    if (!m_bCopyOwnId && ownIdMember != nullptr)
        SetFieldDirty(ownIdMember, FALSE);
    try {
        Update();
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        CancelUpdate();
        if (!error.Has(daoErrLocked))
            throw error.Release();
        return 0;
    }
    return 1;
}

std::vector<CDaoFieldExchange::Binding> QZRecordset::BoundMembers() {
    CDaoFieldExchange fx(this);
    DoFieldExchange(&fx);
    return fx.m_outputs;
}

// The row was read before the claim was held: another program may have saved or deleted it
// while this one waited for the claim. Read again, the members hold the row as that save left
// it, so the next save, which writes every member, puts no older value back. A set opened by
// key runs its query again, so a row marked deleted meanwhile is gone too. When the row is gone
// the claim is given up.
BOOL QZRecordset::ReadClaimedRow(BOOL byKey) {
    try {
        if (!IsOpen() || IsBOF() || IsEOF())
            return TRUE; // no row to read again
        if (byKey) {
            Requery();
            if (!IsBOF() || !IsEOF())
                return TRUE;
        } else if (!IsDeleted()) {
            Move(0);
            if (!IsDeleted())
                return TRUE;
        }
    } catch (CDaoException*) {
        ReleaseLock();
        throw;
    }
    ReleaseLock();
    return FALSE;
}

void QZRecordset::MakeLockSet() {
    if (m_pLockSet == nullptr)
        m_pLockSet = new CSemaphorSet(m_pDatabase);
}

void QZRecordset::ReleaseLock() {
    if (m_bLockHeld && m_pLockSet != nullptr)
        m_pLockSet->Unlock(*m_pLockKey);
    m_bLockHeld = FALSE;
}

void QZRecordset::SetNewRowDbId() {
    if (m_SetDbID == 0)
        m_SetDbID = DbIdOf(m_pDatabase);
    for (const CDaoFieldExchange::Binding& binding : BoundMembers()) {
        if (binding.kind == CDaoFieldExchange::Kind::Long &&
            binding.name.CompareNoCase("DbID") == 0)
            *static_cast<LONG*>(binding.member) = m_SetDbID;
    }
}

void QZRecordset::RollbackQuietly(CDaoWorkspace* workspace) {
    CatchDaoError([&] { workspace->Rollback(); });
}

BOOL QZRecordset::IsOnRow() {
    BOOL onRow = FALSE;
    CatchDaoError([&] { onRow = IsOpen() && !IsBOF() && !IsEOF(); });
    return onRow;
}
