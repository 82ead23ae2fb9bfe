#pragma once
// Puts one SELECT together from its written clauses: DISTINCTROW rewritten for joins, TOP as
// LIMIT, and for a selection whose rows are one table's rows, read plainly, that table, its
// output columns and the same selection of the table's rowids (so that a recordset can write
// through it).

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlScope.h"

#include <cstddef>
#include <set>
#include <string>
#include <vector>

// One item of a select list, written.
struct JetSqlSelectItemSql {
    std::string sql;
    std::string outputName;           // empty for * and Table.*
    bool plain = false;               // * or Table.* or a column under its own name
    std::vector<std::string> columns; // plain items: the table columns they output
    std::set<size_t> sources;         // the sources of the SELECT's scope the item reads
};

// One SELECT's clauses, written, with what decides their assembly.
struct JetSqlSelectParts {
    JetSqlSelectParts(const JetSelect& select, const JetSqlScope& scope)
        : select(select), scope(scope) {}

    const JetSelect& select;
    const JetSqlScope& scope;
    std::vector<JetSqlSelectItemSql> items;
    std::string from, where, groupBy, having;
    std::string order;             // " ORDER BY ..." or empty
    bool aggregate = false;        // an aggregate function or GROUP BY
    std::set<size_t> itemSources;  // the sources the select list reads
    std::set<size_t> orderSources; // the sources ORDER BY reads
    bool alone = false;            // not one SELECT of a UNION
};

struct JetSqlSelectSql {
    std::string sql;
    std::vector<std::string> outputNames; // the output columns' names, in order
    std::string baseTable;                // set when the rows are rows of one table, read plainly
    std::vector<std::string> columns;     // for baseTable: its columns output, in order
    std::string keySql;                   // for baseTable: the same selection of its rowids
};

class JetSqlSelectAssembly {
public:
    static JetSqlSelectSql Assemble(const JetSqlSelectParts& parts);
};
