#pragma once
// Reads the tokens of one query text of the dialect into its parsed form: an optional
// PARAMETERS clause, then one SELECT (with UNIONs), UPDATE, DELETE or INSERT statement. The
// query parser reads the SELECTs and FROM lists, the expression parser the expressions.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlTokenizer.h"

#include <vector>

class JetSqlParser {
public:
    // `tokens` as JetSqlTokenizer gives them, End last. Throws JetSqlError.
    static JetStatement Parse(const std::vector<JetToken>& tokens);
};
