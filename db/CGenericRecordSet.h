#pragma once
// A recordset over a table named at run time, with no bound columns: its rows are walked and
// their fields read and written by position or name (the component installer re-links the
// keys of copied tables with it).

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"

#include <memory>

class CGenericRecordSet : public CDaoRecordset {
    DECLARE_DYNAMIC(CGenericRecordSet)
public:
    explicit CGenericRecordSet(CDaoDatabase* database);
    ~CGenericRecordSet() override;

    // The table the next OpenTable opens.
    void SetTableName(CString tableName);
    // Opens the set on the table with that type and options: 3 when the table is empty, else
    // 1 with the first row current (in edit mode when edit is set). Engine errors pass on.
    int OpenTable(int edit, short openType, short options);
    // Opens the set's table definition on the table's name. Returns 1; engine errors pass on.
    int OpenTableDef();
    // 0 on an empty set; else the first row, in edit mode when edit is set, and 1.
    int MoveFirstRow(int edit);
    // 0 when the move reaches the end; else the next row, in edit mode when edit is set, and 1.
    int MoveNextRow(int edit);
    // The number of columns of the opened table.
    void GetFieldCount(short* count);
    using CDaoRecordset::GetFieldCount;

private:
    CDaoDatabase* m_pDb;
    std::unique_ptr<CDaoTableDef> m_pTable;
    CString m_TableName;
};
