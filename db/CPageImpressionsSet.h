#pragma once
// The recordset of the table MQ_PageImpressions, which only gains rows: each records that an ad
// was shown in an ad space on a page.

#include "db/QZBookkeepingSet.h"
#include "db/QZColumn.h"

class CPageImpressionsSet : public QZBookkeepingSet {
    DECLARE_DYNAMIC(CPageImpressionsSet)
public:
    explicit CPageImpressionsSet(CDaoDatabase* database);
    ~CPageImpressionsSet() override;

    static const std::vector<QZColumn<CPageImpressionsSet>>& Columns();

    // Starts a new row on the table, written by SaveRecord. Returns 1; engine errors pass on.
    virtual int AddNewRecord();
    CString GetTableName() override;

    // Writes a pending row; does nothing without one. Returns 1; engine errors pass on.
    int SaveRecord(int flag);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    LONG m_AdSpaceDbID = 0;
    LONG m_AdSpaceID = 0;
    LONG m_AdDbID = 0;
    LONG m_AdID = 0;
    LONG m_DocDbID = 0;
    LONG m_DocID = 0;
    COleDateTime m_WhenPosted;
};
