#include "platform/dao/JetSqlWriter.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlFunctions.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <utility>

namespace {

using Kind = JetExpr::Kind;
using Reason = JetSqlError::Reason;
namespace Prec = JetPrecedence;

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool SameName(const std::string& a, const std::string& b) {
    return Lower(a) == Lower(b);
}

std::string QuoteName(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string QuoteText(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

std::string At(size_t offset) {
    return " at character " + std::to_string(offset + 1);
}

[[noreturn]] void Fail(Reason reason, const std::string& message) {
    throw JetSqlError(reason, message);
}

JetValueType ValueTypeOf(JetParamType type) {
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

// The name by which a parameter is matched: parts in lower case, joined by '.'.
std::string ParameterKey(const JetName& name) {
    std::string key;
    for (const std::string& part : name.parts)
        key += (key.empty() ? "" : ".") + Lower(part);
    return key;
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

struct Source {
    std::string table; // as written in FROM
    std::string alias;
    std::string exposed;   // the alias, else the table
    std::string qualifier; // what column references are written with
};

struct Scope {
    std::vector<Source> sources;
    const JetSelect* select = nullptr; // whose aliases names may use
    const Scope* outer = nullptr;
};

// What a name stands for.
struct Resolution {
    enum class What { Column, Parameter, Alias } what;
    JetSqlFragment fragment;
    const Scope* scope = nullptr;
    size_t source = 0;
    std::string column;

    static Resolution Value(What what, JetSqlFragment fragment) {
        return {what, std::move(fragment), nullptr, 0, {}};
    }
};

struct SelectSql {
    std::string sql;
    std::vector<std::string> outputNames;
    std::string baseTable; // set when the rows are rows of one table, read plainly
    std::vector<std::string> columns;
    std::string keySql;
};

class Writer {
public:
    Writer(const JetStatement& st, const JetSqlCatalog& catalog) : m_st(st), m_catalog(catalog) {}

    JetSqlTranslation Run() {
        DeclareParameters();
        JetSqlTranslation t;
        t.kind = m_st.kind;
        switch (m_st.kind) {
        case JetSqlTranslation::Kind::Select:
            WriteSelectStatement(t);
            break;
        case JetSqlTranslation::Kind::Update:
            t.sql = Update();
            break;
        case JetSqlTranslation::Kind::Delete:
            t.sql = Delete();
            break;
        case JetSqlTranslation::Kind::Insert:
            t.sql = Insert();
            break;
        case JetSqlTranslation::Kind::Other:
            Fail(Reason::Unsupported, "Only SELECT, UPDATE, DELETE and INSERT are supported");
        }
        NumberUndeclaredParameters(t);
        return t;
    }

private:
    // ---- parameters

    void DeclareParameters() {
        for (const JetParamDecl& decl : m_st.parameters) {
            std::string key = ParameterKey(decl.name);
            for (const std::string& existing : m_declaredKeys)
                if (existing == key)
                    Fail(Reason::Syntax,
                         "The parameter '" + decl.name.Written() + "' is declared twice");
            m_declaredKeys.push_back(key);
            m_parameters.push_back({decl.name.Written(), decl.type});
        }
    }

    // A declared parameter's position, or -1.
    int DeclaredPosition(const JetName& name) const {
        std::string key = ParameterKey(name);
        for (size_t i = 0; i < m_declaredKeys.size(); ++i)
            if (m_declaredKeys[i] == key)
                return static_cast<int>(i);
        return -1;
    }

    JetSqlFragment DeclaredParameter(int position) const {
        return {"?" + std::to_string(position + 1), ValueTypeOf(m_parameters[position].type),
                Prec::Primary};
    }

    // Undeclared names get their positions once the whole text is read (by order of first
    // appearance, not of writing); until then they are written as a marker.
    JetSqlFragment UndeclaredParameter(const JetName& name) {
        std::string key = ParameterKey(name);
        size_t index = 0;
        while (index < m_undeclared.size() && m_undeclared[index].key != key)
            ++index;
        if (index == m_undeclared.size())
            m_undeclared.push_back({key, name.Written(), name.offset});
        else
            m_undeclared[index].offset = std::min(m_undeclared[index].offset, name.offset);
        return {"\x01" + std::to_string(index) + "\x02", JetValueType::Unknown, Prec::Primary};
    }

    void NumberUndeclaredParameters(JetSqlTranslation& t) {
        std::vector<size_t> order(m_undeclared.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return m_undeclared[a].offset < m_undeclared[b].offset;
        });
        std::vector<size_t> position(m_undeclared.size());
        for (size_t rank = 0; rank < order.size(); ++rank) {
            position[order[rank]] = m_parameters.size() + rank;
        }
        for (size_t index : order)
            m_parameters.push_back({m_undeclared[index].written, JetParamType::Unknown});
        t.parameters = m_parameters;
        t.sql = ReplaceMarkers(t.sql, position);
        t.keySql = ReplaceMarkers(t.keySql, position);
    }

    // Replaces the markers outside quoted text and names; a literal may hold any byte.
    static std::string ReplaceMarkers(const std::string& sql, const std::vector<size_t>& position) {
        std::string out;
        char quote = 0;
        for (size_t i = 0; i < sql.size(); ++i) {
            char c = sql[i];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '\'' || c == '"') {
                quote = c;
            } else if (c == '\x01') {
                size_t end = sql.find('\x02', i);
                size_t index = std::stoul(sql.substr(i + 1, end - i - 1));
                out += "?" + std::to_string(position[index] + 1);
                i = end;
                continue;
            }
            out += c;
        }
        return out;
    }

    // ---- sources

    void AddSources(const JetFrom& from, Scope& scope) const {
        if (!from.join.empty()) {
            AddSources(*from.left, scope);
            AddSources(*from.right, scope);
            return;
        }
        if (!m_catalog.HasTable(from.table))
            Fail(Reason::UnknownTable,
                 "The table '" + from.table + "'" + At(from.offset) + " does not exist");
        std::string exposed = from.alias.empty() ? from.table : from.alias;
        for (const Source& s : scope.sources)
            if (SameName(s.exposed, exposed))
                Fail(Reason::Syntax, "The name '" + exposed + "'" + At(from.offset) +
                                         " stands for two tables; give one an alias");
        scope.sources.push_back({from.table, from.alias, exposed, exposed});
    }

    Scope MakeScope(const std::vector<std::unique_ptr<JetFrom>>& from, const JetSelect* select,
                    const Scope* outer) const {
        Scope scope;
        scope.select = select;
        scope.outer = outer;
        for (const auto& f : from)
            AddSources(*f, scope);
        return scope;
    }

    static std::string SourceSql(const Source& s) {
        return QuoteName(s.table) + (s.alias.empty() ? "" : " AS " + QuoteName(s.alias));
    }

    std::string From(const JetFrom& from, const Scope& scope) {
        if (from.join.empty()) {
            for (const Source& s : scope.sources)
                if (s.table == from.table && s.alias == from.alias)
                    return SourceSql(s);
        }
        std::string right = From(*from.right, scope);
        if (!from.right->join.empty())
            right = "(" + right + ")";
        return From(*from.left, scope) + " " + from.join + " JOIN " + right + " ON " +
               Expr(*from.on, scope).sql;
    }

    std::string FromList(const std::vector<std::unique_ptr<JetFrom>>& from, const Scope& scope) {
        std::string sql;
        for (const auto& f : from)
            sql += (sql.empty() ? "" : ", ") + From(*f, scope);
        return sql;
    }

    // ---- names

    JetSqlFragment ColumnFragment(const Source& s, const std::string& table,
                                  const std::string& column) const {
        return {QuoteName(s.qualifier) + "." + QuoteName(column),
                ValueTypeOf(m_catalog.ColumnType(table, column)), Prec::Primary};
    }

    Resolution Column(const Scope& scope, size_t index, const std::string& column) {
        const Source& s = scope.sources[index];
        m_touched.insert({&scope, index});
        return {Resolution::What::Column, ColumnFragment(s, s.table, column), &scope, index,
                column};
    }

    // The dialect resolves a single name as a declared parameter, a column of the tables in
    // FROM (inner query first), an alias of the select list, and otherwise takes it for a
    // parameter that the text does not declare.
    Resolution Resolve(const JetName& name, const Scope& scope) {
        if (name.star)
            Fail(Reason::Syntax,
                 "'" + name.Written() + "'" + At(name.offset) + " may only stand in a select list");
        int declared = DeclaredPosition(name);
        if (declared >= 0)
            return Resolution::Value(Resolution::What::Parameter, DeclaredParameter(declared));
        if (name.parts.size() == 1)
            return ResolveSingle(name, scope);
        if (name.parts.size() == 2) {
            for (const Scope* s = &scope; s; s = s->outer)
                for (size_t i = 0; i < s->sources.size(); ++i)
                    if (SameName(s->sources[i].exposed, name.parts[0])) {
                        if (!m_catalog.HasColumn(s->sources[i].table, name.parts[1]))
                            Fail(Reason::UnknownColumn, "The table '" + s->sources[i].table +
                                                            "' has no column '" + name.parts[1] +
                                                            "'" + At(name.offset));
                        return Column(*s, i, name.parts[1]);
                    }
        }
        Fail(Reason::UnknownColumn, "'" + name.Written() + "'" + At(name.offset) +
                                        " names no table or alias of the query");
    }

    Resolution ResolveSingle(const JetName& name, const Scope& scope) {
        const std::string& word = name.parts[0];
        for (const Scope* s = &scope; s; s = s->outer) {
            std::vector<size_t> found;
            for (size_t i = 0; i < s->sources.size(); ++i)
                if (m_catalog.HasColumn(s->sources[i].table, word))
                    found.push_back(i);
            if (found.size() > 1)
                Fail(Reason::Syntax, "The column '" + word + "'" + At(name.offset) +
                                         " could belong to more than one table");
            if (found.size() == 1)
                return Column(*s, found[0], word);
        }
        if (scope.select)
            for (const JetSelectItem& item : scope.select->items)
                if (!item.alias.empty() && SameName(item.alias, word))
                    return Resolution::Value(Resolution::What::Alias, Alias(item, scope));
        for (const Scope* s = &scope; s; s = s->outer)
            for (const Source& source : s->sources)
                if (SameName(source.exposed, word) || SameName(source.table, word))
                    Fail(Reason::Syntax,
                         "The table '" + word + "'" + At(name.offset) + " cannot stand as a value");
        return Resolution::Value(Resolution::What::Parameter, UndeclaredParameter(name));
    }

    // An alias used in an expression stands for the aliased expression.
    JetSqlFragment Alias(const JetSelectItem& item, const Scope& scope) {
        if (m_expanding.count(&item))
            Fail(Reason::Syntax, "The alias '" + item.alias + "' refers to itself");
        m_expanding.insert(&item);
        JetSqlFragment f = Expr(*item.expr, scope);
        m_expanding.erase(&item);
        return f;
    }

    // ---- expressions

    JetSqlFragment Expr(const JetExpr& e, const Scope& scope) {
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
            return {Expr(*e.args[0], scope).Wrapped(Prec::Relational) +
                        (e.negated ? " IS NOT NULL" : " IS NULL"),
                    JetValueType::Number, Prec::Equality};
        case Kind::Like:
            return Like(e, scope);
        case Kind::In:
            return In(e, scope);
        case Kind::Between:
            return {Expr(*e.args[0], scope).Wrapped(Prec::Relational) +
                        (e.negated ? " NOT BETWEEN " : " BETWEEN ") +
                        Expr(*e.args[1], scope).Wrapped(Prec::Relational) + " AND " +
                        Expr(*e.args[2], scope).Wrapped(Prec::Relational),
                    JetValueType::Number, Prec::Equality};
        case Kind::Call:
            return Call(e, scope);
        case Kind::Subquery:
            return {"(" + Subquery(*e.query, scope) + ")", JetValueType::Unknown, Prec::Primary};
        case Kind::Exists:
            return {"EXISTS (" + Subquery(*e.query, scope) + ")", JetValueType::Number,
                    Prec::Primary};
        case Kind::Star:
            break;
        }
        Fail(Reason::Syntax, "'*'" + At(e.offset) + " may only stand in Count(*)");
    }

    JetSqlFragment Unary(const JetExpr& e, const Scope& scope) {
        JetSqlFragment operand = Expr(*e.args[0], scope);
        if (e.text == "NOT")
            return {"NOT " + operand.Wrapped(Prec::Not), JetValueType::Number, Prec::Not};
        if (e.text == "+")
            return operand;
        return {"-" + operand.Wrapped(Prec::Unary), JetValueType::Number, Prec::Unary};
    }

    static JetSqlFragment Join(const JetSqlFragment& l, const std::string& op,
                               const JetSqlFragment& r, int prec, JetValueType type) {
        return {l.Wrapped(prec) + " " + op + " " + r.Wrapped(prec + 1), type, prec};
    }

    JetSqlFragment Binary(const JetExpr& e, const Scope& scope) {
        const std::string& op = e.text;
        if (op == "\\" || op == "^")
            Fail(Reason::Unsupported,
                 "The operator '" + op + "'" + At(e.offset) + " is not supported in queries");
        JetSqlFragment l = Expr(*e.args[0], scope);
        JetSqlFragment r = Expr(*e.args[1], scope);
        if (op == "OR" || op == "AND")
            return Join(l, op, r, op == "OR" ? Prec::Or : Prec::And, JetValueType::Number);
        if (op == "=" || op == "<>")
            return Join(l, op, r, Prec::Equality, JetValueType::Number);
        if (op == "<" || op == ">" || op == "<=" || op == ">=")
            return Join(l, op, r, Prec::Relational, JetValueType::Number);
        if (op == "&") // joins text; Null counts as empty text
            return {"COALESCE(" + l.sql + ", '') || COALESCE(" + r.sql + ", '')",
                    JetValueType::Text, Prec::Concat};
        if (l.type == JetValueType::Date || r.type == JetValueType::Date)
            Fail(Reason::Unsupported,
                 "Arithmetic on dates" + At(e.offset) + " is not supported in queries");
        if (op == "+")
            return Plus(l, r);
        if (op == "-")
            return Join(l, "-", r, Prec::Additive, JetValueType::Number);
        if (op == "*")
            return Join(l, "*", r, Prec::Multiplicative, JetValueType::Number);
        if (op == "MOD")
            return Join(l, "%", r, Prec::Multiplicative, JetValueType::Number);
        // The dialect divides in floating point; SQLite would drop the fraction of integers.
        return {"CAST(" + l.sql + " AS REAL) / " + r.Wrapped(Prec::Multiplicative + 1),
                JetValueType::Number, Prec::Multiplicative};
    }

    // `+` joins text when one side is known to be text and neither is known to be a number
    // ("A"+Title, IIf(...,"S","D")+Title); it adds otherwise. Null on either side gives Null,
    // as the dialect's `+` does, with `||` and with `+` alike.
    static JetSqlFragment Plus(const JetSqlFragment& l, const JetSqlFragment& r) {
        auto isText = [](JetValueType t) { return t == JetValueType::Text; };
        auto isNumber = [](JetValueType t) { return t == JetValueType::Number; };
        if ((isText(l.type) || isText(r.type)) && !isNumber(l.type) && !isNumber(r.type))
            return Join(l, "||", r, Prec::Concat, JetValueType::Text);
        JetValueType type = l.type == JetValueType::Null && r.type == JetValueType::Null
                                ? JetValueType::Null
                                : JetValueType::Number;
        return Join(l, "+", r, Prec::Additive, type);
    }

    JetSqlFragment Like(const JetExpr& e, const Scope& scope) {
        JetSqlFragment value = Expr(*e.args[0], scope);
        const JetExpr& pattern = *e.args[1];
        std::string sqlPattern;
        if (pattern.kind == Kind::String) {
            sqlPattern = QuoteText(LikePattern(pattern.text, pattern.offset));
        } else {
            std::string p = Expr(pattern, scope).sql;
            sqlPattern = "replace(replace(replace(replace(replace(" + p +
                         ", '\\', '\\\\'), '%', '\\%'), '_', '\\_'), '*', '%'), '?', '_')";
        }
        return {value.Wrapped(Prec::Relational) + (e.negated ? " NOT LIKE " : " LIKE ") +
                    sqlPattern + " ESCAPE '\\'",
                JetValueType::Number, Prec::Equality};
    }

    JetSqlFragment In(const JetExpr& e, const Scope& scope) {
        std::string list;
        if (e.query) {
            list = Subquery(*e.query, scope);
        } else {
            for (size_t i = 1; i < e.args.size(); ++i)
                list += (i > 1 ? ", " : "") + Expr(*e.args[i], scope).sql;
        }
        return {Expr(*e.args[0], scope).Wrapped(Prec::Relational) +
                    (e.negated ? " NOT IN (" : " IN (") + list + ")",
                JetValueType::Number, Prec::Equality};
    }

    JetSqlFragment Call(const JetExpr& e, const Scope& scope) {
        std::vector<JetSqlFragment> args;
        for (const auto& arg : e.args)
            args.push_back(arg->kind == Kind::Star
                               ? JetSqlFragment{"*", JetValueType::Number, Prec::Primary}
                               : Expr(*arg, scope));
        if (JetSqlFunctions::IsAggregate(e.text))
            m_aggregate = true;
        return JetSqlFunctions::Call(e.text, args, e.offset);
    }

    // ---- SELECT

    // A subquery keeps its own aggregates; of its column uses, those of the enclosing
    // queries' tables count for them.
    std::string Subquery(const JetQuery& q, const Scope& outer) {
        bool aggregate = m_aggregate;
        auto touched = m_touched;
        std::string sql = Query(q, &outer);
        for (const auto& use : m_touched)
            for (const Scope* s = &outer; s; s = s->outer)
                if (use.first == s)
                    touched.insert(use);
        m_touched = std::move(touched);
        m_aggregate = aggregate;
        return sql;
    }

    std::string Query(const JetQuery& q, const Scope* outer) {
        if (q.selects.size() == 1)
            return Select(q.selects[0], outer, &q.orderBy).sql;
        std::string sql;
        std::vector<std::string> names;
        for (size_t i = 0; i < q.selects.size(); ++i) {
            if (q.selects[i].top >= 0)
                Fail(Reason::Unsupported, "TOP inside a UNION" + At(q.selects[i].offset) +
                                              " is not supported in queries");
            SelectSql part = Select(q.selects[i], outer, nullptr);
            if (i == 0)
                names = part.outputNames;
            else
                sql += q.unionAll[i - 1] ? " UNION ALL " : " UNION ";
            sql += part.sql;
        }
        return sql + UnionOrder(q.orderBy, names);
    }

    // A UNION is sorted by the output columns of its first SELECT, named or numbered.
    static std::string UnionOrder(const std::vector<JetOrderItem>& order,
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
                Fail(Reason::Syntax, "ORDER BY of a UNION" + At(e.offset) +
                                         " must name a column of the first SELECT");
            sql += (sql.empty() ? " ORDER BY " : ", ") + term + (item.descending ? " DESC" : "");
        }
        return sql;
    }

    // The sources of `scope` that the expressions written since `m_touched` was cleared use.
    std::set<size_t> Touched(const Scope& scope) const {
        std::set<size_t> used;
        for (const auto& [s, index] : m_touched)
            if (s == &scope)
                used.insert(index);
        return used;
    }

    struct Item {
        std::string sql;
        std::string outputName;
        bool plain = false; // * or Table.* or a column under its own name
        std::vector<std::string> columns;
        std::set<size_t> sources;
    };

    Item SelectItem(const JetSelectItem& item, size_t index, const Scope& scope) {
        Item out;
        m_touched.clear();
        const JetExpr& e = *item.expr;
        if (e.kind == Kind::Name && e.name.star) {
            StarItem(e.name, scope, out);
        } else if (e.kind == Kind::Name && !item.alias.empty() &&
                   SameName(item.alias, e.name.parts.back()) && !scope.sources.empty()) {
            // "Forms.DbID AS [DbID]": the alias repeats the column; resolve without the alias
            // so that the name cannot stand for its own item.
            Resolution r = Resolve(e.name, scope);
            PlainItem(r, item.alias, out);
        } else if (e.kind == Kind::Name) {
            Resolution r = Resolve(e.name, scope);
            if (r.what == Resolution::What::Column && item.alias.empty())
                PlainItem(r, r.column, out);
            else
                ExpressionItem(r.fragment, item.alias, index, out);
        } else {
            ExpressionItem(Expr(e, scope), item.alias, index, out);
        }
        out.sources = Touched(scope);
        return out;
    }

    void StarItem(const JetName& name, const Scope& scope, Item& out) {
        out.plain = true;
        if (name.parts.empty()) {
            if (scope.sources.empty())
                Fail(Reason::Syntax, "'*'" + At(name.offset) + " needs a table in FROM");
            out.sql = "*";
            for (size_t i = 0; i < scope.sources.size(); ++i) {
                m_touched.insert({&scope, i});
                for (const std::string& c : m_catalog.Columns(scope.sources[i].table))
                    out.columns.push_back(c);
            }
            return;
        }
        for (size_t i = 0; i < scope.sources.size(); ++i)
            if (name.parts.size() == 1 && SameName(scope.sources[i].exposed, name.parts[0])) {
                m_touched.insert({&scope, i});
                out.sql = QuoteName(scope.sources[i].qualifier) + ".*";
                out.columns = m_catalog.Columns(scope.sources[i].table);
                return;
            }
        Fail(Reason::UnknownTable,
             "'" + name.Written() + "'" + At(name.offset) + " names no table of the query");
    }

    void PlainItem(const Resolution& r, const std::string& outputName, Item& out) const {
        out.sql = r.fragment.sql;
        out.outputName = outputName;
        if (r.what != Resolution::What::Column) {
            out.sql += " AS " + QuoteName(outputName);
            return;
        }
        if (outputName != r.column)
            out.sql += " AS " + QuoteName(outputName);
        out.plain = true;
        out.columns.push_back(CatalogSpelling(r.scope->sources[r.source].table, r.column));
    }

    // Unnamed expressions are named as the dialect names them: Expr1000 for the first item.
    static void ExpressionItem(const JetSqlFragment& f, const std::string& alias, size_t index,
                               Item& out) {
        out.outputName = alias.empty() ? "Expr" + std::to_string(1000 + index) : alias;
        out.sql = f.sql + " AS " + QuoteName(out.outputName);
    }

    std::string CatalogSpelling(const std::string& table, const std::string& column) const {
        for (const std::string& c : m_catalog.Columns(table))
            if (SameName(c, column))
                return c;
        return column;
    }

    SelectSql Select(const JetSelect& s, const Scope* outer,
                     const std::vector<JetOrderItem>* orderBy) {
        Scope scope = MakeScope(s.from, &s, outer);
        bool outerAggregate = m_aggregate;
        m_aggregate = false;
        std::string from = FromList(s.from, scope);

        std::vector<Item> items;
        std::set<size_t> itemSources;
        for (size_t i = 0; i < s.items.size(); ++i) {
            items.push_back(SelectItem(s.items[i], i, scope));
            itemSources.insert(items.back().sources.begin(), items.back().sources.end());
        }
        std::string where = s.where ? Expr(*s.where, scope).sql : "";
        std::string groupBy;
        for (const auto& g : s.groupBy)
            groupBy += (groupBy.empty() ? "" : ", ") + Expr(*g, scope).sql;
        std::string having = s.having ? Expr(*s.having, scope).sql : "";
        m_touched.clear();
        std::string order;
        if (orderBy)
            for (const JetOrderItem& o : *orderBy)
                order += (order.empty() ? " ORDER BY " : ", ") + Expr(*o.expr, scope).sql +
                         (o.descending ? " DESC" : "");
        std::set<size_t> orderSources = Touched(scope);
        bool aggregate = m_aggregate || !s.groupBy.empty();
        m_aggregate = outerAggregate;

        SelectParts parts{s, scope, items, from, where, groupBy, having, order, aggregate};
        return Assemble(parts, itemSources, orderSources, orderBy != nullptr);
    }

    struct SelectParts {
        const JetSelect& select;
        const Scope& scope;
        const std::vector<Item>& items;
        std::string from, where, groupBy, having, order;
        bool aggregate;
    };

    // DISTINCTROW leaves out rows that repeat a row of the tables whose columns are output.
    // Over one table it changes nothing. Over a join whose output comes from one table T, the
    // rows are T's rows that the join finds: T.rowid IN (SELECT T.rowid FROM join), which
    // keeps T updatable as the dialect does. Output from several (not all) tables is grouped
    // by their rowids.
    SelectSql Assemble(const SelectParts& p, const std::set<size_t>& itemSources,
                       const std::set<size_t>& orderSources, bool topLevel) {
        const JetSelect& s = p.select;
        std::string quantifier = s.quantifier == JetSelect::Quantifier::Distinct ? "DISTINCT " : "";
        std::string groupBy = p.groupBy;
        int semiJoin = -1;
        size_t sourceCount = p.scope.sources.size();
        if (s.quantifier == JetSelect::Quantifier::DistinctRow && sourceCount > 1 && !p.aggregate &&
            !itemSources.empty() && itemSources.size() < sourceCount) {
            bool orderInside = std::includes(itemSources.begin(), itemSources.end(),
                                             orderSources.begin(), orderSources.end());
            if (itemSources.size() == 1 && orderInside) {
                semiJoin = static_cast<int>(*itemSources.begin());
            } else {
                for (size_t i : itemSources)
                    groupBy += (groupBy.empty() ? "" : ", ") +
                               QuoteName(p.scope.sources[i].qualifier) + ".rowid";
            }
        }

        std::string list;
        SelectSql out;
        for (const Item& item : p.items) {
            list += (list.empty() ? "" : ", ") + item.sql;
            if (item.outputName.empty())
                out.outputNames.insert(out.outputNames.end(), item.columns.begin(),
                                       item.columns.end());
            else
                out.outputNames.push_back(item.outputName);
        }

        std::string body; // FROM ... WHERE ..., as the base table sees it
        if (semiJoin >= 0) {
            const Source& t = p.scope.sources[semiJoin];
            body = " FROM " + SourceSql(t) + " WHERE " + QuoteName(t.qualifier) +
                   ".rowid IN (SELECT " + QuoteName(t.qualifier) + ".rowid FROM " + p.from +
                   (p.where.empty() ? "" : " WHERE " + p.where) + ")";
        } else {
            body = (p.from.empty() ? "" : " FROM " + p.from) +
                   (p.where.empty() ? "" : " WHERE " + p.where);
        }
        std::string tail = (groupBy.empty() ? "" : " GROUP BY " + groupBy) +
                           (p.having.empty() ? "" : " HAVING " + p.having);
        std::string limit = s.top >= 0 ? " LIMIT " + std::to_string(s.top) : "";
        out.sql = "SELECT " + quantifier + list + body + tail + p.order + limit;

        bool oneTable = sourceCount == 1 || semiJoin >= 0;
        bool plain = std::all_of(p.items.begin(), p.items.end(),
                                 [](const Item& item) { return item.plain; });
        if (topLevel && oneTable && plain && quantifier.empty() && groupBy.empty() &&
            p.having.empty() && !p.aggregate) {
            const Source& t = p.scope.sources[semiJoin >= 0 ? semiJoin : 0];
            out.baseTable = t.table;
            for (const Item& item : p.items)
                out.columns.insert(out.columns.end(), item.columns.begin(), item.columns.end());
            out.keySql = "SELECT " + QuoteName(t.qualifier) + ".rowid" + body + p.order + limit;
        }
        return out;
    }

    void WriteSelectStatement(JetSqlTranslation& t) {
        const JetQuery& q = m_st.query;
        if (q.selects.size() > 1) {
            t.sql = Query(q, nullptr);
            return;
        }
        SelectSql s = Select(q.selects[0], nullptr, &q.orderBy);
        t.sql = s.sql;
        t.baseTable = s.baseTable;
        t.selectColumns = s.columns;
        t.keySql = s.keySql;
    }

    // ---- UPDATE, DELETE, INSERT

    // A join is changed through the rowids of the target table's rows that it finds; a value
    // that reads another table of the join is read from the join row of the target's row.
    std::string Update() {
        Scope scope = MakeScope(m_st.from, nullptr, nullptr);
        std::string from = FromList(m_st.from, scope);
        std::vector<std::string> targets;
        size_t target = 0;
        for (size_t i = 0; i < m_st.assignments.size(); ++i) {
            const JetName& name = m_st.assignments[i].target;
            Resolution r = Resolve(name, scope);
            if (r.what != Resolution::What::Column || r.scope != &scope)
                Fail(Reason::UnknownColumn, "'" + name.Written() + "'" + At(name.offset) +
                                                " is no column of the tables being updated");
            if (i > 0 && r.source != target)
                Fail(Reason::Unsupported, "An UPDATE that sets columns of two tables" +
                                              At(name.offset) + " is not supported");
            target = r.source;
            targets.push_back(r.column);
        }
        JetSqlFragment where = m_st.where ? Expr(*m_st.where, scope) : JetSqlFragment{};
        const Source& t = scope.sources[target];
        if (scope.sources.size() == 1)
            return "UPDATE " + SourceSql(t) + " SET " + Assignments(targets, scope) +
                   (where.sql.empty() ? "" : " WHERE " + where.sql);

        std::vector<std::set<size_t>> reads;
        for (const JetAssignment& a : m_st.assignments) {
            m_touched.clear();
            Expr(*a.value, scope);
            reads.push_back(Touched(scope));
        }
        bool readsOthers = std::any_of(reads.begin(), reads.end(), [&](const auto& used) {
            return used.size() > 1 || (used.size() == 1 && *used.begin() != target);
        });
        std::string outerName = readsOthers ? FreeName(scope, "jet_target") : t.table;
        Scope outer = scope;
        outer.sources[target].qualifier = outerName;
        std::string set;
        for (size_t i = 0; i < m_st.assignments.size(); ++i) {
            bool own = reads[i].empty() || (reads[i].size() == 1 && *reads[i].begin() == target);
            std::string value =
                own ? Expr(*m_st.assignments[i].value, outer).sql
                    : "(SELECT " + Expr(*m_st.assignments[i].value, scope).sql + " FROM " + from +
                          " WHERE " + QuoteName(t.qualifier) + ".rowid = " + QuoteName(outerName) +
                          ".rowid" +
                          (where.sql.empty() ? "" : " AND " + where.Wrapped(Prec::And + 1)) +
                          " LIMIT 1)";
            set += (i ? ", " : "") + QuoteName(targets[i]) + " = " + value;
        }
        return "UPDATE " + QuoteName(t.table) + (readsOthers ? " AS " + QuoteName(outerName) : "") +
               " SET " + set + " WHERE " + QuoteName(outerName) + ".rowid IN (SELECT " +
               QuoteName(t.qualifier) + ".rowid FROM " + from +
               (where.sql.empty() ? "" : " WHERE " + where.sql) + ")";
    }

    // SET targets are written unqualified: SQLite names only the updated table there.
    std::string Assignments(const std::vector<std::string>& targets, const Scope& scope) {
        std::string set;
        for (size_t i = 0; i < targets.size(); ++i)
            set += (i ? ", " : "") + QuoteName(targets[i]) + " = " +
                   Expr(*m_st.assignments[i].value, scope).sql;
        return set;
    }

    static std::string FreeName(const Scope& scope, const std::string& base) {
        std::string name = base;
        for (int n = 2;; ++n) {
            bool taken = std::any_of(scope.sources.begin(), scope.sources.end(),
                                     [&](const Source& s) { return SameName(s.exposed, name); });
            if (!taken)
                return name;
            name = base + std::to_string(n);
        }
    }

    // DELETE Table.*, columns FROM ...: the rows of Table go; the columns only name criteria.
    std::string Delete() {
        Scope scope = MakeScope(m_st.from, nullptr, nullptr);
        std::string from = FromList(m_st.from, scope);
        int target = DeleteTarget(scope);
        JetSqlFragment where = m_st.where ? Expr(*m_st.where, scope) : JetSqlFragment{};
        const Source& t = scope.sources[target];
        if (scope.sources.size() == 1)
            return "DELETE FROM " + SourceSql(t) + (where.sql.empty() ? "" : " WHERE " + where.sql);
        return "DELETE FROM " + QuoteName(t.table) + " WHERE " + QuoteName(t.table) +
               ".rowid IN (SELECT " + QuoteName(t.qualifier) + ".rowid FROM " + from +
               (where.sql.empty() ? "" : " WHERE " + where.sql) + ")";
    }

    int DeleteTarget(const Scope& scope) {
        int target = -1;
        for (const JetName& name : m_st.deleteTargets) {
            int found = -1;
            if (name.star && name.parts.empty() && scope.sources.size() == 1) {
                found = 0;
            } else if (name.star) {
                for (size_t i = 0; i < scope.sources.size(); ++i)
                    if (name.parts.size() == 1 && SameName(scope.sources[i].exposed, name.parts[0]))
                        found = static_cast<int>(i);
                if (found < 0)
                    Fail(Reason::UnknownTable, "'" + name.Written() + "'" + At(name.offset) +
                                                   " names no table of the query");
            } else {
                Resolve(name, scope); // a criteria column; it must exist
                continue;
            }
            if (target >= 0 && found != target)
                Fail(Reason::Unsupported,
                     "A DELETE from two tables" + At(name.offset) + " is not supported");
            target = found;
        }
        if (target < 0 && scope.sources.size() == 1)
            target = 0;
        if (target < 0)
            Fail(Reason::Syntax, "A DELETE over a join must name the table to delete from "
                                 "(Table.*)");
        return target;
    }

    std::string Insert() {
        if (!m_catalog.HasTable(m_st.insertTable))
            Fail(Reason::UnknownTable, "The table '" + m_st.insertTable + "'" +
                                           At(m_st.insertOffset) + " does not exist");
        std::string columns;
        for (const std::string& c : m_st.insertColumns) {
            if (!m_catalog.HasColumn(m_st.insertTable, c))
                Fail(Reason::UnknownColumn,
                     "The table '" + m_st.insertTable + "' has no column '" + c + "'");
            columns += (columns.empty() ? "" : ", ") + QuoteName(c);
        }
        std::string sql = "INSERT INTO " + QuoteName(m_st.insertTable) +
                          (columns.empty() ? "" : " (" + columns + ")");
        if (m_st.insertFromQuery)
            return sql + " " + Query(m_st.query, nullptr);
        if (!m_st.insertColumns.empty() && m_st.insertColumns.size() != m_st.insertValues.size())
            Fail(Reason::Syntax, "INSERT INTO '" + m_st.insertTable +
                                     "' names a different number of columns and values");
        Scope none;
        std::string values;
        for (const auto& v : m_st.insertValues)
            values += (values.empty() ? "" : ", ") + Expr(*v, none).sql;
        return sql + " VALUES (" + values + ")";
    }

    struct Undeclared {
        std::string key;
        std::string written;
        size_t offset;
    };

    const JetStatement& m_st;
    const JetSqlCatalog& m_catalog;
    std::vector<JetSqlParameter> m_parameters; // declared ones, in order
    std::vector<std::string> m_declaredKeys;
    std::vector<Undeclared> m_undeclared;
    std::set<std::pair<const Scope*, size_t>> m_touched;
    std::set<const JetSelectItem*> m_expanding;
    bool m_aggregate = false;
};

} // namespace

JetSqlTranslation JetSqlWriter::Write(const JetStatement& statement, const JetSqlCatalog& catalog) {
    return Writer(statement, catalog).Run();
}
