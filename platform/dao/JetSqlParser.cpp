#include "platform/dao/JetSqlParser.h"

#include "platform/dao/JetSqlError.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <utility>

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Words that a bare name may not be: they end a clause or start one.
const std::set<std::string>& ReservedWords() {
    static const std::set<std::string> words = {
        "ALL",      "AND",         "AS",     "ASC",   "BETWEEN", "BY",    "DELETE",     "DESC",
        "DISTINCT", "DISTINCTROW", "EXISTS", "FALSE", "FROM",    "GROUP", "HAVING",     "IN",
        "INNER",    "INSERT",      "INTO",   "IS",    "JOIN",    "LEFT",  "LIKE",       "MOD",
        "NOT",      "NULL",        "ON",     "OR",    "ORDER",   "OUTER", "PARAMETERS", "PERCENT",
        "RIGHT",    "SELECT",      "SET",    "TOP",   "TRUE",    "UNION", "UPDATE",     "VALUES",
        "WHERE",    "XOR",         "EQV",    "IMP"};
    return words;
}

// The engine's type names in a PARAMETERS clause, with their synonyms.
JetParamType ParamTypeOf(const std::string& word, bool& known) {
    static const std::pair<const char*, JetParamType> types[] = {
        {"BIT", JetParamType::Boolean},        {"YESNO", JetParamType::Boolean},
        {"LOGICAL", JetParamType::Boolean},    {"LOGICAL1", JetParamType::Boolean},
        {"BOOLEAN", JetParamType::Boolean},    {"BYTE", JetParamType::Byte},
        {"INTEGER1", JetParamType::Byte},      {"SHORT", JetParamType::Short},
        {"SMALLINT", JetParamType::Short},     {"INTEGER2", JetParamType::Short},
        {"LONG", JetParamType::Long},          {"INT", JetParamType::Long},
        {"INTEGER", JetParamType::Long},       {"INTEGER4", JetParamType::Long},
        {"COUNTER", JetParamType::Long},       {"AUTOINCREMENT", JetParamType::Long},
        {"CURRENCY", JetParamType::Double},    {"MONEY", JetParamType::Double},
        {"SINGLE", JetParamType::Double},      {"IEEESINGLE", JetParamType::Double},
        {"REAL", JetParamType::Double},        {"FLOAT4", JetParamType::Double},
        {"DOUBLE", JetParamType::Double},      {"IEEEDOUBLE", JetParamType::Double},
        {"FLOAT", JetParamType::Double},       {"FLOAT8", JetParamType::Double},
        {"NUMBER", JetParamType::Double},      {"NUMERIC", JetParamType::Double},
        {"DATETIME", JetParamType::DateTime},  {"DATE", JetParamType::DateTime},
        {"TIME", JetParamType::DateTime},      {"TIMESTAMP", JetParamType::DateTime},
        {"TEXT", JetParamType::Text},          {"CHAR", JetParamType::Text},
        {"STRING", JetParamType::Text},        {"VARCHAR", JetParamType::Text},
        {"ALPHANUMERIC", JetParamType::Text},  {"MEMO", JetParamType::Text},
        {"LONGTEXT", JetParamType::Text},      {"NOTE", JetParamType::Text},
        {"VALUE", JetParamType::Unknown},      {"BINARY", JetParamType::Unknown},
        {"LONGBINARY", JetParamType::Unknown}, {"GUID", JetParamType::Unknown}};
    std::string upper = Upper(word);
    for (const auto& [name, type] : types)
        if (upper == name) {
            known = true;
            return type;
        }
    known = false;
    return JetParamType::Unknown;
}

class Parser {
public:
    explicit Parser(const std::vector<JetToken>& tokens) : m_tokens(tokens) {}

    JetStatement Statement() {
        JetStatement st;
        if (AcceptWord("PARAMETERS"))
            st.parameters = ParameterList();
        if (IsWord("SELECT")) {
            st.kind = JetSqlTranslation::Kind::Select;
            st.query = Query();
        } else if (AcceptWord("UPDATE")) {
            st.kind = JetSqlTranslation::Kind::Update;
            Update(st);
        } else if (AcceptWord("DELETE")) {
            st.kind = JetSqlTranslation::Kind::Delete;
            Delete(st);
        } else if (AcceptWord("INSERT")) {
            st.kind = JetSqlTranslation::Kind::Insert;
            Insert(st);
        } else if (IsWord("TRANSFORM") || IsWord("CREATE") || IsWord("ALTER") || IsWord("DROP")) {
            Unsupported("A " + Upper(Peek().text) + " statement");
        } else {
            Fail("Expected SELECT, UPDATE, DELETE or INSERT");
        }
        AcceptPunct(";");
        if (Peek().type != JetTokenType::End)
            Fail("Unexpected text after the end of the statement");
        return st;
    }

private:
    // ---- token helpers

    const JetToken& Peek(size_t ahead = 0) const {
        return m_tokens[std::min(m_pos + ahead, m_tokens.size() - 1)];
    }
    const JetToken& Take() {
        const JetToken& t = Peek();
        if (m_pos < m_tokens.size() - 1)
            ++m_pos;
        return t;
    }
    bool IsWord(const char* word, size_t ahead = 0) const {
        const JetToken& t = Peek(ahead);
        return t.type == JetTokenType::Name && Upper(t.text) == word;
    }
    bool AcceptWord(const char* word) {
        if (!IsWord(word))
            return false;
        Take();
        return true;
    }
    void ExpectWord(const char* word) {
        if (!AcceptWord(word))
            Fail(std::string("Expected ") + word);
    }
    bool IsPunct(const char* p, size_t ahead = 0) const {
        const JetToken& t = Peek(ahead);
        return t.type == JetTokenType::Punct && t.text == p;
    }
    bool AcceptPunct(const char* p) {
        if (!IsPunct(p))
            return false;
        Take();
        return true;
    }
    void ExpectPunct(const char* p) {
        if (!AcceptPunct(p))
            Fail(std::string("Expected '") + p + "'");
    }
    bool IsOperator(const char* op) const {
        const JetToken& t = Peek();
        return t.type == JetTokenType::Operator && t.text == op;
    }
    bool IsReserved(const JetToken& t) const {
        return t.type == JetTokenType::Name && ReservedWords().count(Upper(t.text)) > 0;
    }
    // A bare name that is no keyword, or any bracketed name.
    bool IsNameStart(size_t ahead = 0) const {
        const JetToken& t = Peek(ahead);
        return t.type == JetTokenType::BracketName ||
               (t.type == JetTokenType::Name && !IsReserved(t));
    }

    [[noreturn]] void Fail(const std::string& what) const {
        const JetToken& t = Peek();
        std::string found =
            t.type == JetTokenType::End ? "the end of the text" : "'" + t.text + "'";
        throw JetSqlError(JetSqlError::Reason::Syntax,
                          "Syntax error in query: " + what + " at character " +
                              std::to_string(t.offset + 1) + ", found " + found);
    }
    [[noreturn]] void Unsupported(const std::string& what) const {
        throw JetSqlError(JetSqlError::Reason::Unsupported, what + " (at character " +
                                                                std::to_string(Peek().offset + 1) +
                                                                ") is not supported in queries");
    }

    // ---- names

    std::string NamePart() {
        if (!IsNameStart())
            Fail("Expected a name");
        return Take().text;
    }

    JetName Name() {
        JetName name;
        name.offset = Peek().offset;
        name.parts.push_back(NamePart());
        while (IsPunct(".") || IsPunct("!")) {
            Take();
            if (IsOperator("*")) {
                Take();
                name.star = true;
                break;
            }
            const JetToken& t = Peek();
            if (t.type != JetTokenType::Name && t.type != JetTokenType::BracketName)
                Fail("Expected a name after '.'");
            name.parts.push_back(Take().text);
        }
        return name;
    }

    // ---- PARAMETERS

    std::vector<JetParamDecl> ParameterList() {
        std::vector<JetParamDecl> list;
        do {
            JetParamDecl decl;
            decl.name = Name();
            if (decl.name.star)
                Fail("Expected a parameter name");
            if (Peek().type != JetTokenType::Name)
                Fail("Expected the type of parameter '" + decl.name.Written() + "'");
            bool known = false;
            decl.type = ParamTypeOf(Peek().text, known);
            if (!known)
                Fail("Unknown parameter type");
            Take();
            if (AcceptPunct("(")) { // Text (50)
                if (Peek().type != JetTokenType::Number)
                    Fail("Expected a size");
                Take();
                ExpectPunct(")");
            }
            list.push_back(std::move(decl));
        } while (AcceptPunct(","));
        ExpectPunct(";");
        return list;
    }

    // ---- SELECT

    JetQuery Query() {
        JetQuery q;
        q.selects.push_back(Select());
        while (AcceptWord("UNION")) {
            q.unionAll.push_back(AcceptWord("ALL"));
            if (!IsWord("SELECT"))
                Fail("Expected SELECT after UNION");
            q.selects.push_back(Select());
        }
        if (AcceptWord("ORDER")) {
            ExpectWord("BY");
            do {
                JetOrderItem item;
                item.expr = Expr();
                if (AcceptWord("DESC"))
                    item.descending = true;
                else
                    AcceptWord("ASC");
                q.orderBy.push_back(std::move(item));
            } while (AcceptPunct(","));
        }
        return q;
    }

    JetSelect Select() {
        JetSelect s;
        s.offset = Peek().offset;
        ExpectWord("SELECT");
        if (AcceptWord("DISTINCTROW"))
            s.quantifier = JetSelect::Quantifier::DistinctRow;
        else if (AcceptWord("DISTINCT"))
            s.quantifier = JetSelect::Quantifier::Distinct;
        else
            AcceptWord("ALL");
        if (AcceptWord("TOP")) {
            const std::string& n = Peek().text;
            if (Peek().type != JetTokenType::Number || n.size() > 9 ||
                n.find_first_not_of("0123456789") != std::string::npos)
                Fail("Expected a whole number after TOP");
            s.top = std::stol(Take().text);
            if (IsWord("PERCENT"))
                Unsupported("TOP ... PERCENT");
        }
        do
            s.items.push_back(SelectItem());
        while (AcceptPunct(","));
        if (IsWord("INTO"))
            Unsupported("SELECT ... INTO");
        if (AcceptWord("FROM"))
            s.from = FromList();
        if (AcceptWord("WHERE"))
            s.where = Expr();
        if (AcceptWord("GROUP")) {
            ExpectWord("BY");
            do
                s.groupBy.push_back(Expr());
            while (AcceptPunct(","));
        }
        if (AcceptWord("HAVING"))
            s.having = Expr();
        return s;
    }

    JetSelectItem SelectItem() {
        JetSelectItem item;
        if (IsOperator("*")) {
            item.expr = std::make_unique<JetExpr>();
            item.expr->kind = JetExpr::Kind::Name;
            item.expr->offset = item.expr->name.offset = Take().offset;
            item.expr->name.star = true;
            return item;
        }
        item.expr = Expr();
        if (AcceptWord("AS"))
            item.alias = NamePart();
        return item;
    }

    // ---- FROM

    std::vector<std::unique_ptr<JetFrom>> FromList() {
        std::vector<std::unique_ptr<JetFrom>> list;
        do
            list.push_back(FromSource());
        while (AcceptPunct(","));
        return list;
    }

    std::unique_ptr<JetFrom> FromSource() {
        std::unique_ptr<JetFrom> left = FromPrimary();
        while (true) {
            std::string type;
            if (AcceptWord("INNER"))
                type = "INNER";
            else if (AcceptWord("LEFT"))
                type = "LEFT";
            else if (AcceptWord("RIGHT"))
                type = "RIGHT";
            else
                break;
            if (type != "INNER")
                AcceptWord("OUTER");
            ExpectWord("JOIN");
            auto join = std::make_unique<JetFrom>();
            join->join = type;
            join->offset = left->offset;
            join->left = std::move(left);
            join->right = FromPrimary();
            ExpectWord("ON");
            join->on = Expr();
            left = std::move(join);
        }
        return left;
    }

    std::unique_ptr<JetFrom> FromPrimary() {
        if (AcceptPunct("(")) {
            if (IsWord("SELECT"))
                Unsupported("A subquery in FROM");
            std::unique_ptr<JetFrom> inner = FromSource();
            ExpectPunct(")");
            return inner;
        }
        auto table = std::make_unique<JetFrom>();
        table->offset = Peek().offset;
        table->table = NamePart();
        if (IsPunct(".") || IsPunct("!"))
            Unsupported("A table of another database");
        if (AcceptWord("AS"))
            table->alias = NamePart();
        else if (IsNameStart())
            table->alias = Take().text;
        if (IsWord("IN"))
            Unsupported("A table of another database");
        return table;
    }

    // ---- UPDATE, DELETE, INSERT

    void Update(JetStatement& st) {
        if (!AcceptWord("DISTINCTROW"))
            AcceptWord("DISTINCT");
        st.from = FromList();
        ExpectWord("SET");
        do {
            JetAssignment a;
            a.target = Name();
            if (a.target.star)
                Fail("Expected a column to set");
            if (!IsOperator("="))
                Fail("Expected '='");
            Take();
            a.value = Expr();
            st.assignments.push_back(std::move(a));
        } while (AcceptPunct(","));
        if (AcceptWord("WHERE"))
            st.where = Expr();
    }

    void Delete(JetStatement& st) {
        if (!AcceptWord("DISTINCTROW"))
            AcceptWord("DISTINCT");
        if (!IsWord("FROM")) {
            do {
                if (IsOperator("*")) {
                    JetName all;
                    all.offset = Take().offset;
                    all.star = true;
                    st.deleteTargets.push_back(all);
                } else {
                    st.deleteTargets.push_back(Name());
                }
            } while (AcceptPunct(","));
        }
        ExpectWord("FROM");
        st.from = FromList();
        if (AcceptWord("WHERE"))
            st.where = Expr();
    }

    void Insert(JetStatement& st) {
        ExpectWord("INTO");
        st.insertOffset = Peek().offset;
        st.insertTable = NamePart();
        if (IsPunct(".") || IsPunct("!") || IsWord("IN"))
            Unsupported("A table of another database");
        if (AcceptPunct("(")) {
            do
                st.insertColumns.push_back(NamePart());
            while (AcceptPunct(","));
            ExpectPunct(")");
        }
        if (AcceptWord("VALUES")) {
            ExpectPunct("(");
            do
                st.insertValues.push_back(Expr());
            while (AcceptPunct(","));
            ExpectPunct(")");
        } else if (IsWord("SELECT")) {
            st.insertFromQuery = true;
            st.query = Query();
        } else {
            Fail("Expected VALUES or SELECT");
        }
    }

    // ---- expressions, loosest binding first

    JetExprPtr Make(JetExpr::Kind kind, size_t offset, std::string text = {}) {
        auto e = std::make_unique<JetExpr>();
        e->kind = kind;
        e->offset = offset;
        e->text = std::move(text);
        return e;
    }

    JetExprPtr MakeBinary(std::string op, JetExprPtr left, JetExprPtr right) {
        JetExprPtr e = Make(JetExpr::Kind::Binary, left->offset, std::move(op));
        e->args.push_back(std::move(left));
        e->args.push_back(std::move(right));
        return e;
    }

    JetExprPtr Expr() { return Or(); }

    JetExprPtr Or() {
        JetExprPtr left = And();
        while (AcceptWord("OR"))
            left = MakeBinary("OR", std::move(left), And());
        if (IsWord("XOR") || IsWord("EQV") || IsWord("IMP"))
            Unsupported("The operator " + Upper(Peek().text));
        return left;
    }

    JetExprPtr And() {
        JetExprPtr left = Not();
        while (AcceptWord("AND"))
            left = MakeBinary("AND", std::move(left), Not());
        return left;
    }

    JetExprPtr Not() {
        if (IsWord("NOT")) {
            JetExprPtr e = Make(JetExpr::Kind::Unary, Take().offset, "NOT");
            e->args.push_back(Not());
            return e;
        }
        return Comparison();
    }

    bool IsComparisonOperator() const {
        const JetToken& t = Peek();
        return t.type == JetTokenType::Operator &&
               (t.text == "=" || t.text == "<>" || t.text == "<" || t.text == ">" ||
                t.text == "<=" || t.text == ">=");
    }

    JetExprPtr Comparison() {
        JetExprPtr left = Concat();
        while (true) {
            if (IsComparisonOperator()) {
                std::string op = Take().text;
                left = MakeBinary(op, std::move(left), Concat());
                continue;
            }
            if (AcceptWord("IS")) {
                JetExprPtr e = Make(JetExpr::Kind::IsNull, left->offset);
                e->negated = AcceptWord("NOT");
                ExpectWord("NULL");
                e->args.push_back(std::move(left));
                left = std::move(e);
                continue;
            }
            bool negated =
                IsWord("NOT") && (IsWord("LIKE", 1) || IsWord("IN", 1) || IsWord("BETWEEN", 1));
            if (negated)
                Take();
            if (AcceptWord("LIKE"))
                left = Like(std::move(left), negated);
            else if (AcceptWord("IN"))
                left = In(std::move(left), negated);
            else if (AcceptWord("BETWEEN"))
                left = Between(std::move(left), negated);
            else
                return left;
        }
    }

    JetExprPtr Like(JetExprPtr left, bool negated) {
        JetExprPtr e = Make(JetExpr::Kind::Like, left->offset);
        e->negated = negated;
        e->args.push_back(std::move(left));
        e->args.push_back(Concat());
        return e;
    }

    JetExprPtr In(JetExprPtr left, bool negated) {
        JetExprPtr e = Make(JetExpr::Kind::In, left->offset);
        e->negated = negated;
        e->args.push_back(std::move(left));
        ExpectPunct("(");
        if (IsWord("SELECT")) {
            e->query = std::make_unique<JetQuery>(Query());
        } else {
            do
                e->args.push_back(Expr());
            while (AcceptPunct(","));
        }
        ExpectPunct(")");
        return e;
    }

    JetExprPtr Between(JetExprPtr left, bool negated) {
        JetExprPtr e = Make(JetExpr::Kind::Between, left->offset);
        e->negated = negated;
        e->args.push_back(std::move(left));
        e->args.push_back(Concat());
        ExpectWord("AND");
        e->args.push_back(Concat());
        return e;
    }

    JetExprPtr Concat() {
        JetExprPtr left = Additive();
        while (IsOperator("&")) {
            Take();
            left = MakeBinary("&", std::move(left), Additive());
        }
        return left;
    }

    JetExprPtr Additive() {
        JetExprPtr left = Modulo();
        while (IsOperator("+") || IsOperator("-")) {
            std::string op = Take().text;
            left = MakeBinary(op, std::move(left), Modulo());
        }
        return left;
    }

    JetExprPtr Modulo() {
        JetExprPtr left = IntegerDivision();
        while (AcceptWord("MOD"))
            left = MakeBinary("MOD", std::move(left), IntegerDivision());
        return left;
    }

    JetExprPtr IntegerDivision() {
        JetExprPtr left = Multiplicative();
        while (IsOperator("\\")) {
            Take();
            left = MakeBinary("\\", std::move(left), Multiplicative());
        }
        return left;
    }

    JetExprPtr Multiplicative() {
        JetExprPtr left = Unary();
        while (IsOperator("*") || IsOperator("/")) {
            std::string op = Take().text;
            left = MakeBinary(op, std::move(left), Unary());
        }
        return left;
    }

    JetExprPtr Unary() {
        if (IsOperator("-") || IsOperator("+")) {
            const JetToken& t = Take();
            JetExprPtr e = Make(JetExpr::Kind::Unary, t.offset, t.text);
            e->args.push_back(Unary());
            return e;
        }
        return Power();
    }

    JetExprPtr Power() {
        JetExprPtr left = Primary();
        while (IsOperator("^")) {
            Take();
            left = MakeBinary("^", std::move(left), Primary());
        }
        return left;
    }

    JetExprPtr Primary() {
        const JetToken& t = Peek();
        switch (t.type) {
        case JetTokenType::Number:
            Take();
            return Make(JetExpr::Kind::Number, t.offset, t.text);
        case JetTokenType::String:
            Take();
            return Make(JetExpr::Kind::String, t.offset, t.text);
        case JetTokenType::Date:
            Take();
            return Make(JetExpr::Kind::Date, t.offset, t.text);
        case JetTokenType::Punct:
            if (t.text == "(")
                return Parenthesized();
            break;
        case JetTokenType::Name:
            // Left( and Right( are functions, not the join words.
            if (IsPunct("(", 1) && (!IsReserved(t) || IsWord("LEFT") || IsWord("RIGHT")))
                return Call();
            if (IsReserved(t))
                return Keyword();
            return NameExpr();
        case JetTokenType::BracketName:
            return NameExpr();
        default:
            break;
        }
        Fail("Expected a value");
    }

    JetExprPtr Keyword() {
        const JetToken& t = Peek();
        if (AcceptWord("NULL"))
            return Make(JetExpr::Kind::Null, t.offset);
        if (AcceptWord("TRUE"))
            return Make(JetExpr::Kind::True, t.offset);
        if (AcceptWord("FALSE"))
            return Make(JetExpr::Kind::False, t.offset);
        if (AcceptWord("EXISTS")) {
            JetExprPtr e = Make(JetExpr::Kind::Exists, t.offset);
            ExpectPunct("(");
            if (!IsWord("SELECT"))
                Fail("Expected SELECT");
            e->query = std::make_unique<JetQuery>(Query());
            ExpectPunct(")");
            return e;
        }
        Fail("Expected a value");
    }

    JetExprPtr Parenthesized() {
        size_t offset = Take().offset;
        if (IsWord("SELECT")) {
            JetExprPtr e = Make(JetExpr::Kind::Subquery, offset);
            e->query = std::make_unique<JetQuery>(Query());
            ExpectPunct(")");
            return e;
        }
        JetExprPtr inner = Expr();
        ExpectPunct(")");
        return inner;
    }

    JetExprPtr Call() {
        const JetToken& t = Take();
        JetExprPtr e = Make(JetExpr::Kind::Call, t.offset, t.text);
        ExpectPunct("(");
        if (AcceptPunct(")"))
            return e;
        if (IsWord("DISTINCT"))
            Unsupported("DISTINCT inside " + t.text + "()");
        do {
            if (IsOperator("*"))
                e->args.push_back(Make(JetExpr::Kind::Star, Take().offset));
            else
                e->args.push_back(Expr());
        } while (AcceptPunct(","));
        ExpectPunct(")");
        return e;
    }

    JetExprPtr NameExpr() {
        JetExprPtr e = Make(JetExpr::Kind::Name, Peek().offset);
        e->name = Name();
        return e;
    }

    const std::vector<JetToken>& m_tokens;
    size_t m_pos = 0;
};

} // namespace

JetStatement JetSqlParser::Parse(const std::vector<JetToken>& tokens) {
    return Parser(tokens).Statement();
}
