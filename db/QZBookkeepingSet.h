#pragma once
// The shared part of the recordsets of bookkeeping tables that stand on the plain recordset
// (authors, dependents, page impressions): an owned query definition opened by name with a
// key's two parameters, and the set opened on its own table to add rows.

#include "db/QZKeyCombo.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"

#include <memory>

class QZBookkeepingSet : public CDaoRecordset {
    DECLARE_DYNAMIC(QZBookkeepingSet)
public:
    explicit QZBookkeepingSet(CDaoDatabase* database);
    ~QZBookkeepingSet() override;

    virtual CString GetTableName();

    // Closes the owned query definition when open and opens it on the stored query. Returns 1.
    int PrepareQuery(CString queryName);
    // Parameter 0 the key's DbID, parameter 1 its KeyID. Returns 1.
    int SetKeyParameters(const QZKeyCombo& key);

protected:
    // Opens the set on the stored query for the key, Edit when edit is set. 1, also when no
    // row matched; 2 when another connection holds the rows (error 3260). Other engine errors
    // are shown and passed on.
    int OpenByKeyQuery(const QZKeyCombo& key, CString queryName, int edit);
    // Opens the set on its own table (GetTableName) as a dynaset when it is not open.
    void OpenOwnTable();

    CDaoDatabase* m_pDb;
    std::unique_ptr<CDaoQueryDef> m_pQuery;

private:
    std::unique_ptr<CDaoTableDef> m_pTable;
};
