#pragma once
// Base of the recordset of every object table: opens an object's row by key through a stored
// parameter query, claims the object for the current user while it is edited, adds new rows,
// writes the row back and steps through the rows of a query.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"

#include <vector>

class CDaoWorkspace;
class CSemaphorSet;

class QZRecordset : public CDaoRecordset {
    DECLARE_DYNAMIC(QZRecordset)
public:
    // Open results of OpenByKey and LockRecord.
    enum OpenResult {
        openBusy = 0,     // the claim was not written: the lock table stayed busy
        openFound = 1,    // the row is current (and claimed when a claim was asked for)
        openReadOnly = 2, // the row is current but may not be changed by this user
        openNotFound = 3, // no row has the key
    };

    explicit QZRecordset(CDaoDatabase* database);
    ~QZRecordset() override;

    // Adds a row and claims it for the current user; 1 done, 0 failed (no row is left).
    virtual int AddNewRecord(int flag);
    virtual void CopyFields(QZRecordset* other);
    virtual QZKeyCombo& GetKey();
    virtual CString GetTableName();
    virtual SHORT GetObjectType();
    // Writes every bound member into the current row; 1 written, 0 not.
    virtual int RewriteRecord();

    void CancelUpdate() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // Opens the row of the key through the stored query and, with lock, claims it; a claimed
    // row is read again by the query once the claim is held (3 when it is gone by then).
    int OpenByKey(const QZKeyCombo& key, CString queryName, int lock);
    // Writes the row back and, unless keepLock, gives up the claim. 1 saved, 0 not saved (the
    // claim is then kept).
    int SaveRecord(int keepLock);
    int MoveFirstRow();
    int MoveNextRow();
    int CloseQueryAndSet();
    int PrepareQuery(CString queryName);
    int SetKeyParameters(const QZKeyCombo& key);
    // Claims the object for the current user; with the claim held, the current row is read
    // again, so the members hold what the last save wrote. 1 claimed, 2 claimed by another, 0
    // the lock table stayed busy, 3 the row was deleted meanwhile (no claim kept).
    int LockRecord(const QZKeyCombo& key);

    BOOL IsLockHeld() const { return m_bLockHeld; }
    LONG GetSetDbId() const { return m_SetDbID; }
    const CString& GetQueryName() const { return m_QueryName; }

    // While set, CopyFields and RewriteRecord carry the row's own ID column too.
    BOOL m_bCopyOwnId;

protected:
    // The rewrite every subclass shares: keeps a copy of every bound member, calls Edit (tried
    // again at once while the engine reports the row locked, six tries in all), puts the copies
    // back, marks every field dirty and the own-ID member clean unless m_bCopyOwnId, and calls
    // Update. The members hold the copies afterwards on every path. 1 written, 0 not written
    // (the row stayed locked); other engine errors pass on.
    int RewriteAllFields(void* ownIdMember);
    // The bound output members, as DoFieldExchange names them.
    std::vector<CDaoFieldExchange::Binding> BoundMembers();

    LONG m_SetDbID;
    QZKeyCombo m_Key;

private:
    // Writes the claim on the key without reading the row again; LockRecord's results.
    int Claim(const QZKeyCombo& key);
    // Reads the current row again once the claim is held (by its key query when byKey); FALSE,
    // with the claim given up, when the row is gone.
    BOOL ReadClaimedRow(BOOL byKey);
    void MakeLockSet();
    // Gives up the claim this set holds, if any.
    void ReleaseLock();
    // Puts the set's DbID into the new row's DbID member.
    void SetNewRowDbId();
    static void RollbackQuietly(CDaoWorkspace* workspace);
    BOOL IsOnRow();

    CDaoQueryDef* m_pQueryDef;
    CSemaphorSet* m_pLockSet;
    QZKeyCombo* m_pLockKey;
    CString m_QueryName;
    BOOL m_bLockHeld;
};
