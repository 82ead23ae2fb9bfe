#pragma once
// Reads one expression of the dialect into the tree, loosest binding first: OR, AND, NOT, the
// comparisons (with IS NULL, LIKE, IN and BETWEEN), &, + and -, MOD, \, * and /, the signs, ^,
// and last literals, names, function calls and parenthesised expressions or subqueries.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlTokenCursor.h"

#include <functional>
#include <initializer_list>

class JetSqlExpressionParser {
public:
    // Reads the query of a subquery, at its SELECT.
    using QueryReader = std::function<JetQuery()>;

    JetSqlExpressionParser(JetSqlTokenCursor& tokens, QueryReader readQuery)
        : m_tokens(tokens), m_readQuery(std::move(readQuery)) {}

    // Throws JetSqlError.
    JetExprPtr Expr() { return Or(); }

private:
    using Level = JetExprPtr (JetSqlExpressionParser::*)();

    // operand (op operand)*, for one level of binding.
    JetExprPtr LeftAssociative(std::initializer_list<JetOperator> ops, Level operand);

    JetExprPtr Or();
    JetExprPtr And() { return LeftAssociative({JetOperator::And}, &JetSqlExpressionParser::Not); }
    JetExprPtr Not();
    JetExprPtr Comparison();
    JetExprPtr Like(JetExprPtr left, bool negated);
    JetExprPtr In(JetExprPtr left, bool negated);
    JetExprPtr Between(JetExprPtr left, bool negated);
    JetExprPtr Concat();
    JetExprPtr Additive();
    JetExprPtr Modulo();
    JetExprPtr IntegerDivision();
    JetExprPtr Multiplicative();
    JetExprPtr Unary();
    JetExprPtr Power();

    JetExprPtr Primary();
    JetExprPtr Keyword();
    JetExprPtr Parenthesized();
    JetExprPtr Call();
    JetExprPtr NameExpr();
    std::unique_ptr<JetQuery> Subquery();

    JetSqlTokenCursor& m_tokens;
    QueryReader m_readQuery;
};
