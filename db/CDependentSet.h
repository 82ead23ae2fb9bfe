#pragma once
// The recordset of the table Dependents: one row for each use of one object by another (the
// object ObjDbID, ObjKeyID, ObjTypeID uses the object UseDbID, UseKeyID, UseTypeID).

#include "db/QZBookkeepingSet.h"
#include "db/QZColumn.h"

class CDependentSet : public QZBookkeepingSet {
    DECLARE_DYNAMIC(CDependentSet)
public:
    explicit CDependentSet(CDaoDatabase* database);
    ~CDependentSet() override;

    static const std::vector<QZColumn<CDependentSet>>& Columns();

    // Starts a new row on the table, written by SaveRecord. 1; 0 when the row could not be
    // started (the engine's message is shown).
    virtual int AddNewRecord(int flag);
    // 1 (also when no row matched), 2 when the rows are held by another connection.
    virtual int OpenByKey(const QZKeyCombo& key, CString queryName, int edit);
    CString GetTableName() override;

    // Writes a pending row. Returns 1; engine errors pass on.
    int SaveRecord(int flag);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The type columns are Long in the table and hold object type codes (0 to 24).
    LONG m_ObjDbID = 0;
    LONG m_ObjKeyID = 0;
    BYTE m_ObjTypeID = 0;
    LONG m_UseDbID = 0;
    LONG m_UseKeyID = 0;
    BYTE m_UseTypeID = 0;
};
