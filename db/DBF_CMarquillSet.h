#pragma once
// Stamps the version into the version row of a database being created or updated.

#include "platform/core/CString.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"

class DBF_CMarquillSet : public CDaoRecordset {
    DECLARE_DYNAMIC(DBF_CMarquillSet)
public:
    explicit DBF_CMarquillSet(CDaoDatabase* database);
    ~DBF_CMarquillSet() override;

    // Sets VersionNumber of the version row, adding the row when there is none. Returns 1.
    int SetVersion(const CString& version);
    // Gives a new database its version row marked "Production"; a row already there is
    // stamped instead, so the table keeps exactly one. Returns 1.
    int AddProductionRow(const CString& version);
    virtual CString GetTableName();

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    LONG m_DbID;
    CString m_VersionNumber;
    CString m_Miscellaneous;

private:
    CDaoDatabase* m_pDb;
};
