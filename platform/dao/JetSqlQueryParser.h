#pragma once
// Reads a query of the dialect into the tree: one SELECT or several joined by UNION, with the
// ORDER BY that closes them; each SELECT's quantifier, TOP, select list and clauses; and the
// FROM lists with their joins, which UPDATE and DELETE share.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlExpressionParser.h"
#include "platform/dao/JetSqlTokenCursor.h"

#include <memory>
#include <vector>

class JetSqlQueryParser {
public:
    explicit JetSqlQueryParser(JetSqlTokenCursor& tokens);
    // The expression parser calls back into this object for subqueries.
    JetSqlQueryParser(const JetSqlQueryParser&) = delete;
    JetSqlQueryParser& operator=(const JetSqlQueryParser&) = delete;

    // At SELECT. Throws JetSqlError, as all of these do.
    JetQuery Query();
    // Comma-separated sources, each a table or a join.
    std::vector<std::unique_ptr<JetFrom>> FromList();
    JetExprPtr Expr() { return m_expressions.Expr(); }

private:
    JetSelect Select();
    void Quantifier(JetSelect& select);
    void Top(JetSelect& select);
    void Clauses(JetSelect& select);
    JetSelectItem SelectItem();
    std::vector<JetOrderItem> OrderBy();
    std::vector<JetExprPtr> ExpressionList();

    std::unique_ptr<JetFrom> FromSource();
    JetJoin AcceptJoin();
    std::unique_ptr<JetFrom> FromPrimary();

    JetSqlTokenCursor& m_tokens;
    JetSqlExpressionParser m_expressions;
};
