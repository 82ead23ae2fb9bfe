#include "platform/dao/JetSqlFunctions.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlText.h"

#include <functional>
#include <map>

namespace {

using Args = std::vector<JetSqlFragment>;
using P = JetValueType;

using JetSqlText::Upper;

JetSqlFragment Primary(std::string sql, JetValueType type) {
    return {std::move(sql), type, JetPrecedence::Primary};
}

// name(args...) with SQLite's own function of that meaning.
JetSqlFragment Plain(const std::string& sqliteName, const Args& args, JetValueType type) {
    std::string sql = sqliteName + "(";
    for (size_t i = 0; i < args.size(); ++i)
        sql += (i ? ", " : "") + args[i].sql;
    return Primary(sql + ")", type);
}

// The date and time as the database stores them: ISO text in local time.
const char* const kNow = "strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')";
const char* const kToday = "strftime('%Y-%m-%d 00:00:00', 'now', 'localtime')";

JetSqlFragment DatePart(const char* format, const Args& a) {
    return Primary(std::string("CAST(strftime('") + format + "', " + a[0].sql + ") AS INTEGER)",
                   P::Number);
}

struct Function {
    size_t minArgs, maxArgs;
    std::function<JetSqlFragment(const Args&)> write;
};

// Longer than a screen, but a table: one entry for each function, read entry by entry.
const std::map<std::string, Function>& Functions() {
    static const std::map<std::string, Function> functions = {
        {"IIF",
         {3, 3,
          [](const Args& a) {
              return Primary("CASE WHEN " + a[0].sql + " THEN " + a[1].sql + " ELSE " + a[2].sql +
                                 " END",
                             MergeTypes(a[1].type, a[2].type));
          }}},
        {"NOW", {0, 0, [](const Args&) { return Primary(kNow, P::Date); }}},
        {"DATE", {0, 0, [](const Args&) { return Primary(kToday, P::Date); }}},
        {"ISNULL",
         {1, 1,
          [](const Args& a) {
              return JetSqlFragment{a[0].Wrapped(JetPrecedence::Relational) + " IS NULL", P::Number,
                                    JetPrecedence::Equality};
          }}},
        {"NZ",
         {1, 2,
          [](const Args& a) {
              std::string fallback = a.size() == 2 ? a[1].sql : a[0].type == P::Text ? "''" : "0";
              JetValueType type = a.size() == 2 ? MergeTypes(a[0].type, a[1].type) : a[0].type;
              return Primary("COALESCE(" + a[0].sql + ", " + fallback + ")", type);
          }}},
        {"LEN", {1, 1, [](const Args& a) { return Plain("length", a, P::Number); }}},
        {"UCASE", {1, 1, [](const Args& a) { return Plain("upper", a, P::Text); }}},
        {"LCASE", {1, 1, [](const Args& a) { return Plain("lower", a, P::Text); }}},
        {"TRIM", {1, 1, [](const Args& a) { return Plain("trim", a, P::Text); }}},
        {"LTRIM", {1, 1, [](const Args& a) { return Plain("ltrim", a, P::Text); }}},
        {"RTRIM", {1, 1, [](const Args& a) { return Plain("rtrim", a, P::Text); }}},
        {"LEFT",
         {2, 2,
          [](const Args& a) {
              return Primary("substr(" + a[0].sql + ", 1, " + a[1].sql + ")", P::Text);
          }}},
        {"RIGHT",
         {2, 2,
          [](const Args& a) {
              // substr with a start before the text would drop characters from the count.
              return Primary("substr(" + a[0].sql + ", max(length(" + a[0].sql + ") - " +
                                 a[1].Wrapped(JetPrecedence::Multiplicative) + " + 1, 1))",
                             P::Text);
          }}},
        {"MID", {2, 3, [](const Args& a) { return Plain("substr", a, P::Text); }}},
        {"ABS", {1, 1, [](const Args& a) { return Plain("abs", a, P::Number); }}},
        {"YEAR", {1, 1, [](const Args& a) { return DatePart("%Y", a); }}},
        {"MONTH", {1, 1, [](const Args& a) { return DatePart("%m", a); }}},
        {"DAY", {1, 1, [](const Args& a) { return DatePart("%d", a); }}},
        {"COUNT", {1, 1, [](const Args& a) { return Plain("count", a, P::Number); }}},
        {"SUM", {1, 1, [](const Args& a) { return Plain("sum", a, P::Number); }}},
        {"AVG", {1, 1, [](const Args& a) { return Plain("avg", a, P::Number); }}},
        {"MIN", {1, 1, [](const Args& a) { return Plain("min", a, a[0].type); }}},
        {"MAX", {1, 1, [](const Args& a) { return Plain("max", a, a[0].type); }}},
    };
    return functions;
}

} // namespace

JetSqlFragment JetSqlFunctions::Call(const std::string& name, const Args& args, size_t offset) {
    std::string where = JetSqlText::At(offset);
    auto it = Functions().find(Upper(name));
    if (it == Functions().end())
        throw JetSqlError(JetSqlError::Reason::Unsupported,
                          "The function " + name + "()" + where + " is not supported in queries");
    const Function& f = it->second;
    if (args.size() < f.minArgs || args.size() > f.maxArgs)
        throw JetSqlError(JetSqlError::Reason::Syntax,
                          "Wrong number of arguments to " + name + "()" + where);
    for (const JetSqlFragment& arg : args)
        if (arg.sql == "*" && Upper(name) != "COUNT")
            throw JetSqlError(JetSqlError::Reason::Syntax,
                              "'*' is only allowed in Count(*)" + where);
    return f.write(args);
}

bool JetSqlFunctions::IsAggregate(const std::string& name) {
    std::string upper = Upper(name);
    return upper == "COUNT" || upper == "SUM" || upper == "AVG" || upper == "MIN" || upper == "MAX";
}
