#pragma once
// Writes one expression of the dialect as SQLite. Each piece is typed, so that `+` on text
// becomes `||`, and knows how tightly it binds, so that parentheses go only where SQLite needs
// them. Names go to the name resolver; an alias of the select list stands for its expression;
// functions go to JetSqlFunctions; subqueries to the SELECT writer.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlFragment.h"
#include "platform/dao/JetSqlNameResolver.h"
#include "platform/dao/JetSqlScope.h"

#include <set>
#include <string>

// Writes the queries inside expressions (IN, EXISTS, a value); the SELECT writer does.
class JetSqlSubqueryWriter {
public:
    // `outer`: the scope of the query that holds the subquery.
    virtual std::string Subquery(const JetQuery& query, const JetSqlScope& outer) = 0;

protected:
    ~JetSqlSubqueryWriter() = default;
};

class JetSqlExpressionWriter {
public:
    JetSqlExpressionWriter(JetSqlNameResolver& names, JetSqlSubqueryWriter& subqueries)
        : m_names(names), m_subqueries(subqueries) {}

    // Throws JetSqlError.
    JetSqlFragment Write(const JetExpr& e, const JetSqlScope& scope);
    // A name as the resolver finds it, an alias written out as its expression.
    JetSqlResolution Resolve(const JetName& name, const JetSqlScope& scope);

    // Whether an aggregate function (Count, Sum...) was written since this was last set false.
    bool Aggregated() const { return m_aggregated; }
    void SetAggregated(bool aggregated) { m_aggregated = aggregated; }

private:
    JetSqlFragment Alias(const JetSelectItem& item, const JetSqlScope& scope);
    JetSqlFragment Unary(const JetExpr& e, const JetSqlScope& scope);
    JetSqlFragment Binary(const JetExpr& e, const JetSqlScope& scope);
    JetSqlFragment Arithmetic(const JetExpr& e, const JetSqlFragment& l, const JetSqlFragment& r);
    JetSqlFragment IsNull(const JetExpr& e, const JetSqlScope& scope);
    JetSqlFragment Like(const JetExpr& e, const JetSqlScope& scope);
    JetSqlFragment In(const JetExpr& e, const JetSqlScope& scope);
    JetSqlFragment Between(const JetExpr& e, const JetSqlScope& scope);
    JetSqlFragment Call(const JetExpr& e, const JetSqlScope& scope);

    JetSqlNameResolver& m_names;
    JetSqlSubqueryWriter& m_subqueries;
    std::set<const JetSelectItem*> m_expanding; // aliases being written out
    bool m_aggregated = false;
};
