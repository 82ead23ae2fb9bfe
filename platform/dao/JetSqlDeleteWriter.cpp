#include "platform/dao/JetSqlDeleteWriter.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlText.h"

using JetSqlText::At;
using JetSqlText::QuoteName;
using Reason = JetSqlError::Reason;

std::string JetSqlDeleteWriter::Write() {
    JetSqlScope scope = JetSqlScope::Of(m_st.from, nullptr, nullptr, m_names.Catalog());
    std::string from = m_selects.FromList(m_st.from, scope);
    size_t target = Target(scope);
    std::string where = m_st.where ? m_selects.Expressions().Write(*m_st.where, scope).sql : "";
    std::string whereClause = where.empty() ? "" : " WHERE " + where;
    const JetSqlSource& t = scope.sources[target];
    if (scope.sources.size() == 1)
        return "DELETE FROM " + t.Sql() + whereClause;
    return "DELETE FROM " + QuoteName(t.table) + " WHERE " + QuoteName(t.table) +
           ".rowid IN (SELECT " + QuoteName(t.qualifier) + ".rowid FROM " + from + whereClause +
           ")";
}

size_t JetSqlDeleteWriter::Target(const JetSqlScope& scope) {
    int target = -1;
    for (const JetName& name : m_st.deleteTargets) {
        if (!name.star) {
            m_selects.Expressions().Resolve(name, scope); // a criteria column; it must exist
            continue;
        }
        int found = static_cast<int>(StarTarget(name, scope));
        if (target >= 0 && found != target)
            throw JetSqlError(Reason::Unsupported,
                              "A DELETE from two tables" + At(name.offset) + " is not supported");
        target = found;
    }
    if (target < 0 && scope.sources.size() == 1)
        target = 0;
    if (target < 0)
        throw JetSqlError(Reason::Syntax,
                          "A DELETE over a join must name the table to delete from (Table.*)");
    return static_cast<size_t>(target);
}

size_t JetSqlDeleteWriter::StarTarget(const JetName& name, const JetSqlScope& scope) const {
    if (name.parts.empty() && scope.sources.size() == 1)
        return 0;
    int found = name.parts.size() == 1 ? scope.Find(name.parts[0]) : -1;
    if (found < 0)
        throw JetSqlError(Reason::UnknownTable, "'" + name.Written() + "'" + At(name.offset) +
                                                    " names no table of the query");
    return static_cast<size_t>(found);
}
