#pragma once
// A piece of SQLite text for one expression, with what the writer needs to combine it: the
// type of its value (which decides whether `+` joins text) and how tightly it binds (which
// decides where parentheses go).

#include "platform/dao/JetSqlCatalog.h"

#include <string>

enum class JetValueType { Text, Number, Date, Null, Unknown };

// The type of the values a column or a parameter of type `type` holds.
inline JetValueType JetValueTypeOf(JetParamType type) {
    switch (type) {
    case JetParamType::Text:
        return JetValueType::Text;
    case JetParamType::DateTime:
        return JetValueType::Date;
    case JetParamType::Unknown:
        return JetValueType::Unknown;
    default:
        return JetValueType::Number;
    }
}

// SQLite's binding strengths, loosest first.
namespace JetPrecedence {
constexpr int Or = 1;
constexpr int And = 2;
constexpr int Not = 3;
constexpr int Equality = 4; // = <> IS IN LIKE BETWEEN
constexpr int Relational = 5;
constexpr int Additive = 7;
constexpr int Multiplicative = 8;
constexpr int Concat = 9;
constexpr int Unary = 10;
constexpr int Primary = 11;
} // namespace JetPrecedence

struct JetSqlFragment {
    std::string sql;
    JetValueType type = JetValueType::Unknown;
    int precedence = JetPrecedence::Primary;

    // The text, in parentheses when it binds looser than `minimum`.
    std::string Wrapped(int minimum) const { return precedence < minimum ? "(" + sql + ")" : sql; }
};

// The type of a value that may come from either of two places (the branches of IIf, Nz).
inline JetValueType MergeTypes(JetValueType a, JetValueType b) {
    if (a == b || b == JetValueType::Null)
        return a;
    if (a == JetValueType::Null)
        return b;
    if ((a == JetValueType::Text && b == JetValueType::Unknown) ||
        (a == JetValueType::Unknown && b == JetValueType::Text))
        return JetValueType::Text;
    return JetValueType::Unknown;
}
