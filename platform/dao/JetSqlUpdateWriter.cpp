#include "platform/dao/JetSqlUpdateWriter.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlText.h"

#include <algorithm>

using JetSqlText::At;
using JetSqlText::QuoteName;
using Reason = JetSqlError::Reason;

namespace {

// The name the target table takes in an UPDATE over a join whose values read other tables:
// the subqueries that read them must tell the updated row from the join's own copy of its
// table. A free name is found if a table of the join is already called so.
const char* const kTargetAlias = "jet_target";

} // namespace

std::string JetSqlUpdateWriter::Write() {
    JetSqlScope scope = JetSqlScope::Of(m_st.from, nullptr, nullptr, m_names.Catalog());
    Clauses clauses;
    clauses.from = m_selects.FromList(m_st.from, scope);
    ResolveTargets(scope, clauses);
    if (m_st.where)
        clauses.where = m_expressions.Write(*m_st.where, scope);
    if (scope.sources.size() == 1)
        return WriteOneTable(scope, clauses);
    return WriteOverJoin(scope, clauses);
}

// The columns set must all be columns of one table of the statement's own FROM list.
void JetSqlUpdateWriter::ResolveTargets(const JetSqlScope& scope, Clauses& clauses) {
    for (size_t i = 0; i < m_st.assignments.size(); ++i) {
        const JetName& name = m_st.assignments[i].target;
        JetSqlResolution r = m_expressions.Resolve(name, scope);
        if (r.what != JetSqlResolution::What::Column || r.scope != &scope)
            throw JetSqlError(Reason::UnknownColumn,
                              "'" + name.Written() + "'" + At(name.offset) +
                                  " is no column of the tables being updated");
        if (i > 0 && r.source != clauses.target)
            throw JetSqlError(Reason::Unsupported, "An UPDATE that sets columns of two tables" +
                                                       At(name.offset) + " is not supported");
        clauses.target = r.source;
        clauses.columns.push_back(r.column);
    }
}

// SET targets are written unqualified: SQLite names only the updated table there.
std::string JetSqlUpdateWriter::WriteOneTable(const JetSqlScope& scope, const Clauses& c) {
    std::string set;
    for (size_t i = 0; i < c.columns.size(); ++i)
        set += (i ? ", " : "") + QuoteName(c.columns[i]) + " = " +
               m_expressions.Write(*m_st.assignments[i].value, scope).sql;
    return "UPDATE " + scope.sources[0].Sql() + " SET " + set +
           (c.where.sql.empty() ? "" : " WHERE " + c.where.sql);
}

std::vector<std::set<size_t>> JetSqlUpdateWriter::ValueReads(const JetSqlScope& scope) {
    std::vector<std::set<size_t>> reads;
    for (const JetAssignment& a : m_st.assignments) {
        m_names.Uses().Clear();
        m_expressions.Write(*a.value, scope);
        reads.push_back(m_names.Uses().Of(scope));
    }
    return reads;
}

// UPDATE target SET ... WHERE target.rowid IN (SELECT target.rowid FROM join WHERE ...). A value
// that reads only the target is written against the updated row; one that reads other tables
// is a subquery over the join, limited to the join row of the updated row.
std::string JetSqlUpdateWriter::WriteOverJoin(const JetSqlScope& scope, const Clauses& c) {
    const JetSqlSource& t = scope.sources[c.target];
    std::vector<std::set<size_t>> reads = ValueReads(scope);
    auto readsOnlyTarget = [&](const std::set<size_t>& used) {
        return used.empty() || (used.size() == 1 && *used.begin() == c.target);
    };
    bool readsOthers = !std::all_of(reads.begin(), reads.end(), readsOnlyTarget);
    std::string outerName = readsOthers ? scope.FreeName(kTargetAlias) : t.table;
    JetSqlScope outer = scope;
    outer.sources[c.target].qualifier = outerName;
    std::string set;
    for (size_t i = 0; i < m_st.assignments.size(); ++i) {
        const JetExpr& value = *m_st.assignments[i].value;
        std::string sql =
            readsOnlyTarget(reads[i])
                ? m_expressions.Write(value, outer).sql
                : "(SELECT " + m_expressions.Write(value, scope).sql + " FROM " + c.from +
                      " WHERE " + QuoteName(t.qualifier) + ".rowid = " + QuoteName(outerName) +
                      ".rowid" +
                      (c.where.sql.empty() ? ""
                                           : " AND " + c.where.Wrapped(JetPrecedence::And + 1)) +
                      " LIMIT 1)";
        set += (i ? ", " : "") + QuoteName(c.columns[i]) + " = " + sql;
    }
    return "UPDATE " + QuoteName(t.table) + (readsOthers ? " AS " + QuoteName(outerName) : "") +
           " SET " + set + " WHERE " + QuoteName(outerName) + ".rowid IN (SELECT " +
           QuoteName(t.qualifier) + ".rowid FROM " + c.from +
           (c.where.sql.empty() ? "" : " WHERE " + c.where.sql) + ")";
}
