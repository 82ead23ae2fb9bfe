#pragma once
// Writes the queries of a statement as SQLite: a UNION and the ORDER BY that sorts it, each
// SELECT's clauses and select list (output columns named as the dialect names them), FROM
// lists with their joins, and the subqueries inside expressions. JetSqlSelectAssembly puts
// each SELECT together.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlExpressionWriter.h"
#include "platform/dao/JetSqlNameResolver.h"
#include "platform/dao/JetSqlScope.h"
#include "platform/dao/JetSqlSelectAssembly.h"

#include <memory>
#include <string>
#include <vector>

class JetSqlSelectWriter : public JetSqlSubqueryWriter {
public:
    explicit JetSqlSelectWriter(JetSqlNameResolver& names)
        : m_names(names), m_expressions(names, *this) {}
    // The expression writer calls back into this object for subqueries.
    JetSqlSelectWriter(const JetSqlSelectWriter&) = delete;
    JetSqlSelectWriter& operator=(const JetSqlSelectWriter&) = delete;

    // A SELECT statement's query; a single SELECT also tells whether its rows are one
    // table's (baseTable, selectColumns, keySql). Throws JetSqlError, as all of these do.
    void WriteStatement(const JetQuery& query, JetSqlTranslation& translation);
    // `outer`: the scope around a subquery, else null.
    std::string Query(const JetQuery& query, const JetSqlScope* outer);
    std::string Subquery(const JetQuery& query, const JetSqlScope& outer) override;
    // The FROM list that `scope` was made of, joins and all.
    std::string FromList(const std::vector<std::unique_ptr<JetFrom>>& from,
                         const JetSqlScope& scope);

    JetSqlExpressionWriter& Expressions() { return m_expressions; }

private:
    // `orderBy`: the ORDER BY of a SELECT that stands alone; null for one SELECT of a UNION.
    JetSqlSelectSql Select(const JetSelect& select, const JetSqlScope* outer,
                           const std::vector<JetOrderItem>* orderBy);
    void WriteClauses(JetSqlSelectParts& parts);
    std::string OrderBy(const std::vector<JetOrderItem>& order, const JetSqlScope& scope);
    std::string Union(const JetQuery& query, const JetSqlScope* outer);
    std::string From(const JetFrom& from, const JetSqlScope& scope);

    JetSqlSelectItemSql SelectItem(const JetSelectItem& item, size_t index,
                                   const JetSqlScope& scope);
    void PlainItem(const JetSqlResolution& r, const std::string& outputName,
                   JetSqlSelectItemSql& out) const;

    JetSqlNameResolver& m_names;
    JetSqlExpressionWriter m_expressions;
};
