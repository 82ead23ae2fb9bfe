#pragma once
// The recordset of the table CurrentUsers: one row per log-in, naming the user and the time.

#include "db/QZKeyCombo.h"
#include "platform/core/COleDateTime.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"

class CCurrentUsersSet : public CDaoRecordset {
    DECLARE_DYNAMIC(CCurrentUsersSet)
public:
    explicit CCurrentUsersSet(CDaoDatabase* database);
    ~CCurrentUsersSet() override;

    // Starts a new row, written by SaveRecord. Returns 1.
    virtual int AddNewRecord(int flag);
    virtual CString GetTableName();

    // 1 found (and in edit mode when edit is set), 2 rows held by another connection, 3 none.
    int OpenByKey(const QZKeyCombo& key, CString queryName, int edit);
    int PrepareQuery(CString queryName);
    int SetKeyParameters(const QZKeyCombo& key);
    int MoveFirstRow();
    int DeleteRow();
    // Writes a pending new or edited row and makes it current. Returns 1.
    int SaveRecord(int flag);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    LONG m_UserDbID;
    LONG m_UserID;
    COleDateTime m_Login;

private:
    CDaoDatabase* m_pDb;
    CDaoQueryDef* m_pQueryDef;
    CDaoTableDef* m_pTableDef;
};
