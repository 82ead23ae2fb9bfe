#pragma once
// Writes an UPDATE as SQLite. Over one table it stays an UPDATE of that table. Over a join,
// SQLite's UPDATE names one table only, so the target table's rows are changed through the
// rowids that the join finds (rowid IN (SELECT ...)), and a value that reads another table of
// the join is read from the join row of the target's row.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlSelectWriter.h"

#include <set>
#include <string>
#include <vector>

class JetSqlUpdateWriter {
public:
    JetSqlUpdateWriter(const JetStatement& statement, JetSqlNameResolver& names,
                       JetSqlSelectWriter& selects)
        : m_st(statement), m_names(names), m_selects(selects),
          m_expressions(selects.Expressions()) {}

    // Throws JetSqlError.
    std::string Write();

private:
    // What is written before the values.
    struct Clauses {
        std::string from;
        size_t target = 0;                // the index of the table updated
        std::vector<std::string> columns; // the columns set, one for each assignment
        JetSqlFragment where;
    };

    void ResolveTargets(const JetSqlScope& scope, Clauses& clauses);
    std::string WriteOneTable(const JetSqlScope& scope, const Clauses& clauses);
    std::string WriteOverJoin(const JetSqlScope& scope, const Clauses& clauses);
    // For each assignment, the sources its value reads.
    std::vector<std::set<size_t>> ValueReads(const JetSqlScope& scope);

    const JetStatement& m_st;
    JetSqlNameResolver& m_names;
    JetSqlSelectWriter& m_selects;
    JetSqlExpressionWriter& m_expressions;
};
