#include "platform/dao/JetSqlExpressionWriter.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlFunctions.h"
#include "platform/dao/JetSqlText.h"

#include <vector>

using JetSqlText::At;
using JetSqlText::QuoteText;
using Kind = JetExpr::Kind;
using Op = JetOperator;
using Reason = JetSqlError::Reason;
namespace Prec = JetPrecedence;

namespace {

[[noreturn]] void Fail(Reason reason, const std::string& message) {
    throw JetSqlError(reason, message);
}

JetSqlFragment Truth(std::string sql, int precedence) {
    return {std::move(sql), JetValueType::Number, precedence};
}

// l op r, where op binds with `prec` and groups from the left.
JetSqlFragment Join(const JetSqlFragment& l, std::string_view op, const JetSqlFragment& r, int prec,
                    JetValueType type) {
    return {l.Wrapped(prec) + " " + std::string(op) + " " + r.Wrapped(prec + 1), type, prec};
}

// `+` joins text when one side is known to be text and neither is known to be a number
// ("A"+Title, IIf(...,"S","D")+Title); it adds otherwise. Null on either side gives Null,
// as the dialect's `+` does, with `||` and with `+` alike.
JetSqlFragment Plus(const JetSqlFragment& l, const JetSqlFragment& r) {
    auto isText = [](JetValueType t) { return t == JetValueType::Text; };
    auto isNumber = [](JetValueType t) { return t == JetValueType::Number; };
    if ((isText(l.type) || isText(r.type)) && !isNumber(l.type) && !isNumber(r.type))
        return Join(l, "||", r, Prec::Concat, JetValueType::Text);
    JetValueType type = l.type == JetValueType::Null && r.type == JetValueType::Null
                            ? JetValueType::Null
                            : JetValueType::Number;
    return Join(l, "+", r, Prec::Additive, type);
}

// A pattern of the dialect's Like ('*', '?', '[*]') as a pattern of SQLite's LIKE with '\' as
// its escape character.
std::string LikePattern(const std::string& jet, size_t offset) {
    std::string out;
    for (size_t i = 0; i < jet.size(); ++i) {
        char c = jet[i];
        if (c == '[') {
            size_t close = jet.find(']', i + 1);
            if (close != i + 2)
                Fail(Reason::Unsupported,
                     "Character lists in Like patterns" + At(offset) + " are not supported");
            c = jet[i + 1];
            i = close;
        } else if (c == '*') {
            out += '%';
            continue;
        } else if (c == '?') {
            out += '_';
            continue;
        } else if (c == '#') {
            Fail(Reason::Unsupported,
                 "The digit wildcard '#' in Like patterns" + At(offset) + " is not supported");
        }
        if (c == '%' || c == '_' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

// The same rewrite as LikePattern, done by SQLite on a pattern known only when the query runs.
std::string LikePatternAtRunTime(const std::string& pattern) {
    return "replace(replace(replace(replace(replace(" + pattern +
           ", '\\', '\\\\'), '%', '\\%'), '_', '\\_'), '*', '%'), '?', '_')";
}

} // namespace

JetSqlFragment JetSqlExpressionWriter::Write(const JetExpr& e, const JetSqlScope& scope) {
    switch (e.kind) {
    case Kind::Number:
        return {e.text, JetValueType::Number, Prec::Primary};
    case Kind::String:
        return {QuoteText(e.text), JetValueType::Text, Prec::Primary};
    case Kind::Date:
        return {QuoteText(e.text), JetValueType::Date, Prec::Primary};
    case Kind::Null:
        return {"NULL", JetValueType::Null, Prec::Primary};
    case Kind::True: // the engine's True is -1
        return {"-1", JetValueType::Number, Prec::Unary};
    case Kind::False:
        return {"0", JetValueType::Number, Prec::Primary};
    case Kind::Name:
        return Resolve(e.name, scope).fragment;
    case Kind::Unary:
        return Unary(e, scope);
    case Kind::Binary:
        return Binary(e, scope);
    case Kind::IsNull:
        return IsNull(e, scope);
    case Kind::Like:
        return Like(e, scope);
    case Kind::In:
        return In(e, scope);
    case Kind::Between:
        return Between(e, scope);
    case Kind::Call:
        return Call(e, scope);
    case Kind::Subquery:
        return {"(" + m_subqueries.Subquery(*e.query, scope) + ")", JetValueType::Unknown,
                Prec::Primary};
    case Kind::Exists:
        return Truth("EXISTS (" + m_subqueries.Subquery(*e.query, scope) + ")", Prec::Primary);
    case Kind::Star:
        break;
    }
    Fail(Reason::Syntax, "'*'" + At(e.offset) + " may only stand in Count(*)");
}

JetSqlResolution JetSqlExpressionWriter::Resolve(const JetName& name, const JetSqlScope& scope) {
    JetSqlResolution r = m_names.Resolve(name, scope);
    if (r.what == JetSqlResolution::What::Alias)
        r.fragment = Alias(*r.alias, scope);
    return r;
}

// An alias used in an expression stands for the aliased expression.
JetSqlFragment JetSqlExpressionWriter::Alias(const JetSelectItem& item, const JetSqlScope& scope) {
    if (m_expanding.count(&item))
        Fail(Reason::Syntax, "The alias '" + item.alias + "' refers to itself");
    m_expanding.insert(&item);
    JetSqlFragment f = Write(*item.expr, scope);
    m_expanding.erase(&item);
    return f;
}

JetSqlFragment JetSqlExpressionWriter::Unary(const JetExpr& e, const JetSqlScope& scope) {
    JetSqlFragment operand = Write(*e.args[0], scope);
    if (e.op == Op::Not)
        return Truth("NOT " + operand.Wrapped(Prec::Not), Prec::Not);
    if (e.op == Op::Plus)
        return operand;
    return {"-" + operand.Wrapped(Prec::Unary), JetValueType::Number, Prec::Unary};
}

JetSqlFragment JetSqlExpressionWriter::Binary(const JetExpr& e, const JetSqlScope& scope) {
    std::string_view op = JetOperatorText(e.op);
    if (e.op == Op::IntegerDivide || e.op == Op::Power)
        Fail(Reason::Unsupported, "The operator '" + std::string(op) + "'" + At(e.offset) +
                                      " is not supported in queries");
    JetSqlFragment l = Write(*e.args[0], scope);
    JetSqlFragment r = Write(*e.args[1], scope);
    switch (e.op) {
    case Op::Or:
        return Join(l, op, r, Prec::Or, JetValueType::Number);
    case Op::And:
        return Join(l, op, r, Prec::And, JetValueType::Number);
    case Op::Equal:
    case Op::NotEqual:
        return Join(l, op, r, Prec::Equality, JetValueType::Number);
    case Op::Less:
    case Op::Greater:
    case Op::LessOrEqual:
    case Op::GreaterOrEqual:
        return Join(l, op, r, Prec::Relational, JetValueType::Number);
    case Op::Concat: // joins text; Null counts as empty text
        return {"COALESCE(" + l.sql + ", '') || COALESCE(" + r.sql + ", '')", JetValueType::Text,
                Prec::Concat};
    default:
        return Arithmetic(e, l, r);
    }
}

JetSqlFragment JetSqlExpressionWriter::Arithmetic(const JetExpr& e, const JetSqlFragment& l,
                                                  const JetSqlFragment& r) {
    if (l.type == JetValueType::Date || r.type == JetValueType::Date)
        Fail(Reason::Unsupported,
             "Arithmetic on dates" + At(e.offset) + " is not supported in queries");
    switch (e.op) {
    case Op::Plus:
        return Plus(l, r);
    case Op::Minus:
        return Join(l, "-", r, Prec::Additive, JetValueType::Number);
    case Op::Multiply:
        return Join(l, "*", r, Prec::Multiplicative, JetValueType::Number);
    case Op::Modulo:
        return Join(l, "%", r, Prec::Multiplicative, JetValueType::Number);
    default: // Divide, in floating point; SQLite would drop the fraction of integers.
        return Truth("CAST(" + l.sql + " AS REAL) / " + r.Wrapped(Prec::Multiplicative + 1),
                     Prec::Multiplicative);
    }
}

JetSqlFragment JetSqlExpressionWriter::IsNull(const JetExpr& e, const JetSqlScope& scope) {
    return Truth(Write(*e.args[0], scope).Wrapped(Prec::Relational) +
                     (e.negated ? " IS NOT NULL" : " IS NULL"),
                 Prec::Equality);
}

JetSqlFragment JetSqlExpressionWriter::Like(const JetExpr& e, const JetSqlScope& scope) {
    JetSqlFragment value = Write(*e.args[0], scope);
    const JetExpr& pattern = *e.args[1];
    std::string sqlPattern = pattern.kind == Kind::String
                                 ? QuoteText(LikePattern(pattern.text, pattern.offset))
                                 : LikePatternAtRunTime(Write(pattern, scope).sql);
    return Truth(value.Wrapped(Prec::Relational) + (e.negated ? " NOT LIKE " : " LIKE ") +
                     sqlPattern + " ESCAPE '\\'",
                 Prec::Equality);
}

JetSqlFragment JetSqlExpressionWriter::In(const JetExpr& e, const JetSqlScope& scope) {
    std::string list;
    if (e.query) {
        list = m_subqueries.Subquery(*e.query, scope);
    } else {
        for (size_t i = 1; i < e.args.size(); ++i)
            list += (i > 1 ? ", " : "") + Write(*e.args[i], scope).sql;
    }
    return Truth(Write(*e.args[0], scope).Wrapped(Prec::Relational) +
                     (e.negated ? " NOT IN (" : " IN (") + list + ")",
                 Prec::Equality);
}

JetSqlFragment JetSqlExpressionWriter::Between(const JetExpr& e, const JetSqlScope& scope) {
    return Truth(Write(*e.args[0], scope).Wrapped(Prec::Relational) +
                     (e.negated ? " NOT BETWEEN " : " BETWEEN ") +
                     Write(*e.args[1], scope).Wrapped(Prec::Relational) + " AND " +
                     Write(*e.args[2], scope).Wrapped(Prec::Relational),
                 Prec::Equality);
}

JetSqlFragment JetSqlExpressionWriter::Call(const JetExpr& e, const JetSqlScope& scope) {
    std::vector<JetSqlFragment> args;
    for (const auto& arg : e.args)
        args.push_back(arg->kind == Kind::Star
                           ? JetSqlFragment{"*", JetValueType::Number, Prec::Primary}
                           : Write(*arg, scope));
    if (JetSqlFunctions::IsAggregate(e.text))
        m_aggregated = true;
    return JetSqlFunctions::Call(e.text, args, e.offset);
}
