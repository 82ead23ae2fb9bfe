#pragma once
// What the layer runs for one SQL text (a stored query's text, a recordset's SQL or a table
// name): the SQLite statement, its parameters by position, whether it returns rows, and the one
// table whose rows it returns when they can be changed through a recordset.

#include "platform/dao/DaoSchema.h"

#include <string>
#include <vector>

struct DaoSqlParameter {
    std::string name;
    short type = 0; // dbLong, dbByte, dbText, dbDate ...; 0 for an undeclared parameter
};

// A result column with the table column it reads, when it reads one.
struct DaoResultColumn {
    std::string name;
    std::string originColumn;
    bool hasSchema = false;
    DaoColumnSchema schema;
};

struct DaoSqlPlan {
    std::string sql; // SQLite text; parameters are ?1 .. ?N by position
    std::vector<DaoSqlParameter> parameters;
    bool returnsRows = true;
    std::string baseTable;   // set when the rows are those of one table, column for column
    bool wholeTable = false; // the text named a table alone

    // Worked out by the recordset on its first open and kept with the plan.
    mutable bool shaped = false;
    mutable std::vector<DaoResultColumn> columns;
    mutable bool keyed = false;    // rows can be found again by their rowid
    mutable std::string keysetSql; // rowid and every column of the rows, in query order
    mutable std::string fetchSql;  // every column of one row by rowid (?1)
};
