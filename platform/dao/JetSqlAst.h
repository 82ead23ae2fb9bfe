#pragma once
// The parsed form of one query text of the dialect, as JetSqlParser builds it and
// JetSqlWriter turns it into SQLite. Names are kept as written; nothing is resolved here.

#include "platform/dao/JetSqlOperator.h"
#include "platform/dao/JetSqlTranslator.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct JetQuery;

// A name of one or more parts joined by '.' or '!' ([MQ_ActiveX]![Title], Documents.DocID),
// possibly ending in '*' (Documents.*, or * alone with no parts).
struct JetName {
    std::vector<std::string> parts;
    bool star = false;
    size_t offset = 0;

    std::string Written() const {
        std::string text;
        for (const std::string& part : parts)
            text += (text.empty() ? "" : ".") + part;
        if (star)
            text += text.empty() ? "*" : ".*";
        return text;
    }
};

struct JetExpr {
    enum class Kind {
        Number, // text: as written
        String, // text: the value
        Date,   // text: ISO value
        Null,
        True,
        False,
        Name,     // name
        Unary,    // op: Minus, Plus or Not; args[0]
        Binary,   // op; args[0..1]
        IsNull,   // args[0] IS [NOT] NULL
        Like,     // args[0] [NOT] LIKE args[1]
        In,       // args[0] [NOT] IN (args[1..]) or IN (query)
        Between,  // args[0] [NOT] BETWEEN args[1] AND args[2]
        Call,     // text: function name as written; args; a Star argument for Count(*)
        Subquery, // (query)
        Exists,   // EXISTS (query)
        Star      // * as the argument of Count
    };

    Kind kind = Kind::Null;
    std::string text;
    JetOperator op = JetOperator::Or; // Unary and Binary only
    bool negated = false;
    JetName name;
    std::vector<std::unique_ptr<JetExpr>> args;
    std::unique_ptr<JetQuery> query;
    size_t offset = 0;
};

using JetExprPtr = std::unique_ptr<JetExpr>;

// How a FROM source joins two others; None for a table.
enum class JetJoin { None, Inner, Left, Right };

// The join as SQL spells it before JOIN: "INNER", "LEFT", "RIGHT".
inline const char* JetJoinWord(JetJoin join) {
    return join == JetJoin::Left ? "LEFT" : join == JetJoin::Right ? "RIGHT" : "INNER";
}

// A FROM source: a table with its alias, or a join of two sources.
struct JetFrom {
    std::string table; // empty for a join
    std::string alias;
    JetJoin join = JetJoin::None;
    std::unique_ptr<JetFrom> left, right;
    JetExprPtr on;
    size_t offset = 0;
};

struct JetSelectItem {
    JetExprPtr expr; // a Name with star set for * and Table.*
    std::string alias;
};

struct JetSelect {
    enum class Quantifier { All, Distinct, DistinctRow };
    Quantifier quantifier = Quantifier::All;
    long top = -1;
    std::vector<JetSelectItem> items;
    std::vector<std::unique_ptr<JetFrom>> from; // comma-separated sources
    JetExprPtr where;
    std::vector<JetExprPtr> groupBy;
    JetExprPtr having;
    size_t offset = 0;
};

struct JetOrderItem {
    JetExprPtr expr;
    bool descending = false;
};

// One SELECT, or several joined by UNION, with the ORDER BY that closes them.
struct JetQuery {
    std::vector<JetSelect> selects;
    std::vector<bool> unionAll; // between selects[i] and selects[i + 1]
    std::vector<JetOrderItem> orderBy;
};

struct JetParamDecl {
    JetName name;
    JetParamType type = JetParamType::Unknown;
};

struct JetAssignment {
    JetName target;
    JetExprPtr value;
};

struct JetStatement {
    std::vector<JetParamDecl> parameters;
    JetSqlTranslation::Kind kind = JetSqlTranslation::Kind::Other;
    JetQuery query; // Select; the source rows of INSERT ... SELECT

    // UPDATE and DELETE
    std::vector<std::unique_ptr<JetFrom>> from;
    std::vector<JetAssignment> assignments;
    std::vector<JetName> deleteTargets; // Table.* and columns between DELETE and FROM
    JetExprPtr where;

    // INSERT INTO table [(columns)] VALUES (values) | SELECT ...
    std::string insertTable;
    size_t insertOffset = 0;
    std::vector<std::string> insertColumns;
    std::vector<JetExprPtr> insertValues;
    bool insertFromQuery = false;
};
