#pragma once
// Writes a DELETE as SQLite. `DELETE Table.*, columns FROM ...`: the rows of Table go; the
// columns only name criteria. Over one table it stays a DELETE from that table; over a join,
// the named table's rows go through the rowids that the join finds (rowid IN (SELECT ...)).

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlSelectWriter.h"

#include <string>

class JetSqlDeleteWriter {
public:
    JetSqlDeleteWriter(const JetStatement& statement, JetSqlNameResolver& names,
                       JetSqlSelectWriter& selects)
        : m_st(statement), m_names(names), m_selects(selects) {}

    // Throws JetSqlError.
    std::string Write();

private:
    // The index of the table whose rows go.
    size_t Target(const JetSqlScope& scope);
    // The source named by * or Table.*.
    size_t StarTarget(const JetName& name, const JetSqlScope& scope) const;

    const JetStatement& m_st;
    JetSqlNameResolver& m_names;
    JetSqlSelectWriter& m_selects;
};
