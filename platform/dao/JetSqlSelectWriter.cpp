#include "platform/dao/JetSqlSelectWriter.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlText.h"

using JetSqlText::At;
using JetSqlText::QuoteName;
using JetSqlText::SameName;
using Kind = JetExpr::Kind;
using Reason = JetSqlError::Reason;

namespace {

// The dialect names the unnamed expressions of a select list Expr1000, Expr1001... by place.
constexpr size_t kFirstExpressionNumber = 1000;

void ExpressionItem(const JetSqlFragment& f, const std::string& alias, size_t index,
                    JetSqlSelectItemSql& out) {
    out.outputName =
        alias.empty() ? "Expr" + std::to_string(kFirstExpressionNumber + index) : alias;
    out.sql = f.sql + " AS " + QuoteName(out.outputName);
}

// A UNION is sorted by the output columns of its first SELECT, named or numbered.
std::string UnionOrder(const std::vector<JetOrderItem>& order,
                       const std::vector<std::string>& names) {
    std::string sql;
    for (const JetOrderItem& item : order) {
        const JetExpr& e = *item.expr;
        std::string term;
        if (e.kind == Kind::Number) {
            term = e.text;
        } else if (e.kind == Kind::Name && e.name.parts.size() == 1 && !e.name.star) {
            for (const std::string& name : names)
                if (SameName(name, e.name.parts[0]))
                    term = QuoteName(name);
        }
        if (term.empty())
            throw JetSqlError(Reason::Syntax, "ORDER BY of a UNION" + At(e.offset) +
                                                  " must name a column of the first SELECT");
        sql += (sql.empty() ? " ORDER BY " : ", ") + term + (item.descending ? " DESC" : "");
    }
    return sql;
}

} // namespace

void JetSqlSelectWriter::WriteStatement(const JetQuery& q, JetSqlTranslation& t) {
    if (q.selects.size() > 1) {
        t.sql = Query(q, nullptr);
        return;
    }
    JetSqlSelectSql s = Select(q.selects[0], nullptr, &q.orderBy);
    t.sql = s.sql;
    t.baseTable = s.baseTable;
    t.selectColumns = s.columns;
    t.keySql = s.keySql;
}

std::string JetSqlSelectWriter::Query(const JetQuery& q, const JetSqlScope* outer) {
    if (q.selects.size() == 1)
        return Select(q.selects[0], outer, &q.orderBy).sql;
    return Union(q, outer);
}

std::string JetSqlSelectWriter::Union(const JetQuery& q, const JetSqlScope* outer) {
    std::string sql;
    std::vector<std::string> names;
    for (size_t i = 0; i < q.selects.size(); ++i) {
        if (q.selects[i].top >= 0)
            throw JetSqlError(Reason::Unsupported, "TOP inside a UNION" + At(q.selects[i].offset) +
                                                       " is not supported in queries");
        JetSqlSelectSql part = Select(q.selects[i], outer, nullptr);
        if (i == 0)
            names = part.outputNames;
        else
            sql += q.unionAll[i - 1] ? " UNION ALL " : " UNION ";
        sql += part.sql;
    }
    return sql + UnionOrder(q.orderBy, names);
}

// A subquery keeps its own aggregates; of its column uses, those of the enclosing queries'
// tables count for them.
std::string JetSqlSelectWriter::Subquery(const JetQuery& q, const JetSqlScope& outer) {
    bool aggregated = m_expressions.Aggregated();
    JetSqlSourceUses before = m_names.Uses();
    std::string sql = Query(q, &outer);
    m_names.Uses().EndSubquery(before, outer);
    m_expressions.SetAggregated(aggregated);
    return sql;
}

std::string JetSqlSelectWriter::FromList(const std::vector<std::unique_ptr<JetFrom>>& from,
                                         const JetSqlScope& scope) {
    std::string sql;
    for (const auto& f : from)
        sql += (sql.empty() ? "" : ", ") + From(*f, scope);
    return sql;
}

std::string JetSqlSelectWriter::From(const JetFrom& from, const JetSqlScope& scope) {
    if (from.join == JetJoin::None) {
        for (const JetSqlSource& s : scope.sources)
            if (s.table == from.table && s.alias == from.alias)
                return s.Sql();
    }
    std::string right = From(*from.right, scope);
    if (from.right->join != JetJoin::None)
        right = "(" + right + ")";
    return From(*from.left, scope) + " " + JetJoinWord(from.join) + " JOIN " + right + " ON " +
           m_expressions.Write(*from.on, scope).sql;
}

JetSqlSelectSql JetSqlSelectWriter::Select(const JetSelect& s, const JetSqlScope* outer,
                                           const std::vector<JetOrderItem>* orderBy) {
    JetSqlScope scope = JetSqlScope::Of(s.from, &s, outer, m_names.Catalog());
    bool outerAggregated = m_expressions.Aggregated();
    m_expressions.SetAggregated(false);
    JetSqlSelectParts parts(s, scope);
    parts.from = FromList(s.from, scope);
    for (size_t i = 0; i < s.items.size(); ++i) {
        parts.items.push_back(SelectItem(s.items[i], i, scope));
        parts.itemSources.insert(parts.items.back().sources.begin(),
                                 parts.items.back().sources.end());
    }
    WriteClauses(parts);
    m_names.Uses().Clear();
    if (orderBy)
        parts.order = OrderBy(*orderBy, scope);
    parts.orderSources = m_names.Uses().Of(scope);
    parts.aggregate = m_expressions.Aggregated() || !s.groupBy.empty();
    parts.alone = orderBy != nullptr;
    m_expressions.SetAggregated(outerAggregated);
    return JetSqlSelectAssembly::Assemble(parts);
}

// WHERE, GROUP BY and HAVING.
void JetSqlSelectWriter::WriteClauses(JetSqlSelectParts& p) {
    const JetSelect& s = p.select;
    p.where = s.where ? m_expressions.Write(*s.where, p.scope).sql : "";
    for (const auto& g : s.groupBy)
        p.groupBy += (p.groupBy.empty() ? "" : ", ") + m_expressions.Write(*g, p.scope).sql;
    p.having = s.having ? m_expressions.Write(*s.having, p.scope).sql : "";
}

std::string JetSqlSelectWriter::OrderBy(const std::vector<JetOrderItem>& order,
                                        const JetSqlScope& scope) {
    std::string sql;
    for (const JetOrderItem& o : order)
        sql += (sql.empty() ? " ORDER BY " : ", ") + m_expressions.Write(*o.expr, scope).sql +
               (o.descending ? " DESC" : "");
    return sql;
}

JetSqlSelectItemSql JetSqlSelectWriter::SelectItem(const JetSelectItem& item, size_t index,
                                                   const JetSqlScope& scope) {
    JetSqlSelectItemSql out;
    m_names.Uses().Clear();
    const JetExpr& e = *item.expr;
    if (e.kind == Kind::Name && e.name.star) {
        JetSqlStar star = m_names.ExpandStar(e.name, scope);
        out.plain = true;
        out.sql = star.sql;
        out.columns = star.columns;
    } else if (e.kind == Kind::Name && !item.alias.empty() &&
               SameName(item.alias, e.name.parts.back()) && !scope.sources.empty()) {
        // "Forms.DbID AS [DbID]": the alias repeats the column; resolve without the alias
        // so that the name cannot stand for its own item.
        PlainItem(m_expressions.Resolve(e.name, scope), item.alias, out);
    } else if (e.kind == Kind::Name) {
        JetSqlResolution r = m_expressions.Resolve(e.name, scope);
        if (r.what == JetSqlResolution::What::Column && item.alias.empty())
            PlainItem(r, r.column, out);
        else
            ExpressionItem(r.fragment, item.alias, index, out);
    } else {
        ExpressionItem(m_expressions.Write(e, scope), item.alias, index, out);
    }
    out.sources = m_names.Uses().Of(scope);
    return out;
}

void JetSqlSelectWriter::PlainItem(const JetSqlResolution& r, const std::string& outputName,
                                   JetSqlSelectItemSql& out) const {
    out.sql = r.fragment.sql;
    out.outputName = outputName;
    if (r.what != JetSqlResolution::What::Column) {
        out.sql += " AS " + QuoteName(outputName);
        return;
    }
    if (outputName != r.column)
        out.sql += " AS " + QuoteName(outputName);
    out.plain = true;
    out.columns.push_back(m_names.CatalogSpelling(r.scope->sources[r.source].table, r.column));
}
