#include "platform/dao/JetSqlSelectAssembly.h"

#include "platform/dao/JetSqlText.h"

#include <algorithm>

using JetSqlText::QuoteName;

namespace {

struct DistinctRowRewrite {
    int semiJoin = -1;   // the one table read through its rowids, or -1
    std::string groupBy; // the GROUP BY list, with any rowids the rewrite groups by
};

// DISTINCTROW leaves out rows that repeat a row of the tables whose columns are output.
// Over one table it changes nothing. Over a join whose output comes from one table T, the
// rows are T's rows that the join finds: T.rowid IN (SELECT T.rowid FROM join), which keeps T
// updatable as the dialect does. Output from several (not all) tables is grouped by their
// rowids.
DistinctRowRewrite RewriteDistinctRow(const JetSqlSelectParts& p) {
    DistinctRowRewrite rewrite{-1, p.groupBy};
    size_t sourceCount = p.scope.sources.size();
    if (p.select.quantifier != JetSelect::Quantifier::DistinctRow || sourceCount <= 1 ||
        p.aggregate || p.itemSources.empty() || p.itemSources.size() >= sourceCount)
        return rewrite;
    bool orderInside = std::includes(p.itemSources.begin(), p.itemSources.end(),
                                     p.orderSources.begin(), p.orderSources.end());
    if (p.itemSources.size() == 1 && orderInside) {
        rewrite.semiJoin = static_cast<int>(*p.itemSources.begin());
        return rewrite;
    }
    for (size_t i : p.itemSources)
        rewrite.groupBy += (rewrite.groupBy.empty() ? "" : ", ") +
                           QuoteName(p.scope.sources[i].qualifier) + ".rowid";
    return rewrite;
}

// The select list; fills `outputNames`.
std::string SelectList(const std::vector<JetSqlSelectItemSql>& items,
                       std::vector<std::string>& outputNames) {
    std::string list;
    for (const JetSqlSelectItemSql& item : items) {
        list += (list.empty() ? "" : ", ") + item.sql;
        if (item.outputName.empty())
            outputNames.insert(outputNames.end(), item.columns.begin(), item.columns.end());
        else
            outputNames.push_back(item.outputName);
    }
    return list;
}

// FROM ... WHERE ..., as the base table sees it.
std::string Body(const JetSqlSelectParts& p, int semiJoin) {
    std::string where = p.where.empty() ? "" : " WHERE " + p.where;
    if (semiJoin < 0)
        return (p.from.empty() ? "" : " FROM " + p.from) + where;
    const JetSqlSource& t = p.scope.sources[semiJoin];
    return " FROM " + t.Sql() + " WHERE " + QuoteName(t.qualifier) + ".rowid IN (SELECT " +
           QuoteName(t.qualifier) + ".rowid FROM " + p.from + where + ")";
}

// Whether the rows are rows of one table, read plainly: a recordset may write through them.
bool ReadsOneTablePlainly(const JetSqlSelectParts& p, const DistinctRowRewrite& rewrite) {
    bool oneTable = p.scope.sources.size() == 1 || rewrite.semiJoin >= 0;
    bool plain = std::all_of(p.items.begin(), p.items.end(),
                             [](const JetSqlSelectItemSql& item) { return item.plain; });
    bool distinct = p.select.quantifier == JetSelect::Quantifier::Distinct;
    return p.alone && oneTable && plain && !distinct && rewrite.groupBy.empty() &&
           p.having.empty() && !p.aggregate;
}

} // namespace

JetSqlSelectSql JetSqlSelectAssembly::Assemble(const JetSqlSelectParts& p) {
    const JetSelect& s = p.select;
    std::string quantifier = s.quantifier == JetSelect::Quantifier::Distinct ? "DISTINCT " : "";
    DistinctRowRewrite rewrite = RewriteDistinctRow(p);
    JetSqlSelectSql out;
    std::string list = SelectList(p.items, out.outputNames);
    std::string body = Body(p, rewrite.semiJoin);
    std::string tail = (rewrite.groupBy.empty() ? "" : " GROUP BY " + rewrite.groupBy) +
                       (p.having.empty() ? "" : " HAVING " + p.having);
    std::string limit = s.top >= 0 ? " LIMIT " + std::to_string(s.top) : "";
    out.sql = "SELECT " + quantifier + list + body + tail + p.order + limit;

    if (ReadsOneTablePlainly(p, rewrite)) {
        const JetSqlSource& t = p.scope.sources[rewrite.semiJoin >= 0 ? rewrite.semiJoin : 0];
        out.baseTable = t.table;
        for (const JetSqlSelectItemSql& item : p.items)
            out.columns.insert(out.columns.end(), item.columns.begin(), item.columns.end());
        out.keySql = "SELECT " + QuoteName(t.qualifier) + ".rowid" + body + p.order + limit;
    }
    return out;
}
