#pragma once
// The recordset of the table Semaphor: a row there claims one object for one user and one
// running program, and the table's primary key refuses a second claim on the same object.

#include "db/QZKeyCombo.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/COleVariant.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"

class CSemaphorSet : public CDaoRecordset {
    DECLARE_DYNAMIC(CSemaphorSet)
public:
    explicit CSemaphorSet(CDaoDatabase* database);
    ~CSemaphorSet() override;

    // Writes a claim on the object for the current user: 1 claimed by this set, 2 the object
    // is claimed already, 0 the table stayed busy.
    int Lock(const QZKeyCombo& key);
    // Deletes the claim this set wrote, once; 1, or 0 after a database error (shown).
    int Unlock(const QZKeyCombo& key);
    // Deletes the user's claims left by programs no longer running; the claims of running
    // programs (this one included) stay. 1, or 0 after a database error (silent).
    int DeleteLocksByUser(const QZKeyCombo& userKey);
    int PrepareQuery(CString queryName);
    int SetKeyParameters(const QZKeyCombo& key);
    virtual CString GetTableName();

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    LONG m_ObjDbID;
    LONG m_ObjKeyID;
    LONG m_ObjTypeID;
    COleDateTime m_DateLocked;
    CString m_SerializedID;
    LONG m_UserDbID;
    LONG m_UserID;

private:
    BOOL m_bLocked;
    BOOL m_bReleased;
    CDaoDatabase* m_pDb;
    CDaoQueryDef* m_pQueryDef;
    CDaoTableDef* m_pTableDef;
    COleVariant m_LockBookmark;
};
