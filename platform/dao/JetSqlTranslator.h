#pragma once
// Turns a query text of the desktop engine's SQL dialect (the stored queries keep it verbatim)
// into SQLite: PARAMETERS clauses, parameters by position, bracketed and bang names,
// DISTINCTROW, `+` on text, double-quoted strings, IIf, Now() and the other functions the
// texts use, UPDATE and DELETE over joins.

#include "platform/dao/JetSqlCatalog.h"
#include "platform/dao/JetSqlError.h"

#include <string>
#include <string_view>
#include <vector>

struct JetSqlParameter {
    std::string name; // as declared or written, without brackets
    JetParamType type;
};

struct JetSqlTranslation {
    enum class Kind { Select, Insert, Update, Delete, Other };

    // SQLite text; the parameter at position i (0-based) is written ?<i+1>. A declared
    // parameter that the text never uses keeps its position but appears nowhere, so bind
    // only the positions up to sqlite3_bind_parameter_count.
    std::string sql;
    // Declared parameters in declaration order, then undeclared names in order of first
    // appearance in the text.
    std::vector<JetSqlParameter> parameters;
    Kind kind = Kind::Other;
    // A selection whose rows are rows of one table, read through plain columns or *: that
    // table (the recordset may write through it); else empty.
    std::string baseTable;
    // For baseTable: the output columns in order, * expanded, in the catalog's spelling.
    std::vector<std::string> selectColumns;
    // For baseTable: the same selection giving only the table's rowid, in the same order.
    std::string keySql;
};

class JetSqlTranslator {
public:
    // Throws JetSqlError on a text it cannot translate.
    static JetSqlTranslation Translate(std::string_view text, const JetSqlCatalog& catalog);
};
