#pragma once
// The version row (table Marquill) of a database about to be updated, read as a snapshot of
// the whole table.

#include "db/QZColumn.h"
#include "platform/dao/CDaoRecordset.h"

class CDBUpdateSet : public CDaoRecordset {
    DECLARE_DYNAMIC(CDBUpdateSet)
public:
    explicit CDBUpdateSet(CDaoDatabase* database);
    ~CDBUpdateSet() override;

    static const std::vector<QZColumn<CDBUpdateSet>>& Columns();

    // A fixed path, never used: the set is always made on an open database.
    CString GetDefaultDBName() override;
    // The whole table, "[Marquill]".
    CString GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    LONG m_DbId = 0;
    CString m_VersionNumber;
    CString m_Miscellaneous;
};
