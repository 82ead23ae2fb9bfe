#pragma once
// The version row of a site database (table Marquill), read once per open of the database:
// its DbID, its schema version and whether it is a production database.

#include "db/QZRecordset.h"

class CMarquillSet : public QZRecordset {
    DECLARE_DYNAMIC(CMarquillSet)
public:
    explicit CMarquillSet(CDaoDatabase* database);
    ~CMarquillSet() override;

    // Reads the version row through MQ_GetDbID, leaving the set open on it. 1 read; 0 when the
    // table holds no row or more than one (outDbID is then 0). Engine errors pass on.
    int ReadVersion(LONG* outDbID, CString* outVersion, int* outProduction);
    // Sets the production flag: Miscellaneous is "Production" in any letter case.
    void TestProductionMark();

    CString GetTableName() override;
    SHORT GetObjectType() override;
    int RewriteRecord() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    int m_ProductionFlag;
    LONG m_DbID;
    CString m_VersionNumber;
    CString m_Miscellaneous;
};
