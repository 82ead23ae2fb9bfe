#include "platform/dao/JetSqlParser.h"

#include "platform/dao/JetSqlQueryParser.h"
#include "platform/dao/JetSqlText.h"
#include "platform/dao/JetSqlTokenCursor.h"

#include <optional>
#include <utility>

namespace {

using StatementKind = JetSqlTranslation::Kind;

// The engine's type names in a PARAMETERS clause, with their synonyms; nullopt for a word that
// names no type.
std::optional<JetParamType> ParamTypeOf(const std::string& word) {
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
    std::string upper = JetSqlText::Upper(word);
    for (const auto& [name, type] : types)
        if (upper == name)
            return type;
    return std::nullopt;
}

// Reads the statement around the query: the PARAMETERS clause, the kind of statement, and
// the clauses of UPDATE, DELETE and INSERT.
class StatementParser {
public:
    explicit StatementParser(const std::vector<JetToken>& tokens)
        : m_tokens(tokens), m_queries(m_tokens) {}

    JetStatement Statement() {
        JetStatement st;
        if (m_tokens.AcceptWord("PARAMETERS"))
            st.parameters = ParameterList();
        st.kind = Kind();
        switch (st.kind) {
        case StatementKind::Select:
            st.query = m_queries.Query();
            break;
        case StatementKind::Update:
            Update(st);
            break;
        case StatementKind::Delete:
            Delete(st);
            break;
        case StatementKind::Insert:
            Insert(st);
            break;
        case StatementKind::Other:
            break;
        }
        m_tokens.AcceptPunct(JetSymbol::Semicolon);
        if (!m_tokens.AtEnd())
            m_tokens.Fail("Unexpected text after the end of the statement");
        return st;
    }

private:
    // Takes UPDATE, DELETE or INSERT; SELECT stays for the query parser.
    StatementKind Kind() {
        if (m_tokens.IsWord("SELECT"))
            return StatementKind::Select;
        if (m_tokens.AcceptWord("UPDATE"))
            return StatementKind::Update;
        if (m_tokens.AcceptWord("DELETE"))
            return StatementKind::Delete;
        if (m_tokens.AcceptWord("INSERT"))
            return StatementKind::Insert;
        if (m_tokens.IsWord("TRANSFORM") || m_tokens.IsWord("CREATE") || m_tokens.IsWord("ALTER") ||
            m_tokens.IsWord("DROP"))
            m_tokens.Unsupported("A " + JetSqlText::Upper(m_tokens.Peek().text) + " statement");
        m_tokens.Fail("Expected SELECT, UPDATE, DELETE or INSERT");
    }

    std::vector<JetParamDecl> ParameterList() {
        std::vector<JetParamDecl> list;
        do
            list.push_back(ParameterDeclaration());
        while (m_tokens.AcceptPunct(JetSymbol::Comma));
        m_tokens.ExpectPunct(JetSymbol::Semicolon);
        return list;
    }

    // name type, or name Text (50).
    JetParamDecl ParameterDeclaration() {
        JetParamDecl decl;
        decl.name = m_tokens.Name();
        if (decl.name.star)
            m_tokens.Fail("Expected a parameter name");
        if (m_tokens.Peek().type != JetTokenType::Name)
            m_tokens.Fail("Expected the type of parameter '" + decl.name.Written() + "'");
        std::optional<JetParamType> type = ParamTypeOf(m_tokens.Peek().text);
        if (!type)
            m_tokens.Fail("Unknown parameter type");
        decl.type = *type;
        m_tokens.Take();
        if (m_tokens.AcceptPunct(JetSymbol::OpenParen)) {
            if (m_tokens.Peek().type != JetTokenType::Number)
                m_tokens.Fail("Expected a size");
            m_tokens.Take();
            m_tokens.ExpectPunct(JetSymbol::CloseParen);
        }
        return decl;
    }

    // UPDATE and DELETE take DISTINCTROW or DISTINCT and ignore it.
    void SkipQuantifier() {
        if (!m_tokens.AcceptWord("DISTINCTROW"))
            m_tokens.AcceptWord("DISTINCT");
    }

    void Update(JetStatement& st) {
        SkipQuantifier();
        st.from = m_queries.FromList();
        m_tokens.ExpectWord("SET");
        do
            st.assignments.push_back(Assignment());
        while (m_tokens.AcceptPunct(JetSymbol::Comma));
        if (m_tokens.AcceptWord("WHERE"))
            st.where = m_queries.Expr();
    }

    JetAssignment Assignment() {
        JetAssignment a;
        a.target = m_tokens.Name();
        if (a.target.star)
            m_tokens.Fail("Expected a column to set");
        if (!m_tokens.IsOperator(JetSymbol::Equals))
            m_tokens.Fail("Expected '='");
        m_tokens.Take();
        a.value = m_queries.Expr();
        return a;
    }

    void Delete(JetStatement& st) {
        SkipQuantifier();
        if (!m_tokens.IsWord("FROM")) {
            do
                st.deleteTargets.push_back(DeleteTarget());
            while (m_tokens.AcceptPunct(JetSymbol::Comma));
        }
        m_tokens.ExpectWord("FROM");
        st.from = m_queries.FromList();
        if (m_tokens.AcceptWord("WHERE"))
            st.where = m_queries.Expr();
    }

    // *, Table.* or a column.
    JetName DeleteTarget() {
        if (!m_tokens.IsOperator(JetSymbol::Star))
            return m_tokens.Name();
        JetName all;
        all.offset = m_tokens.Take().offset;
        all.star = true;
        return all;
    }

    void Insert(JetStatement& st) {
        m_tokens.ExpectWord("INTO");
        st.insertOffset = m_tokens.Peek().offset;
        st.insertTable = m_tokens.NamePart();
        if (m_tokens.IsPunct(JetSymbol::Dot) || m_tokens.IsPunct(JetSymbol::Bang) ||
            m_tokens.IsWord("IN"))
            m_tokens.Unsupported("A table of another database");
        if (m_tokens.AcceptPunct(JetSymbol::OpenParen)) {
            do
                st.insertColumns.push_back(m_tokens.NamePart());
            while (m_tokens.AcceptPunct(JetSymbol::Comma));
            m_tokens.ExpectPunct(JetSymbol::CloseParen);
        }
        if (m_tokens.AcceptWord("VALUES")) {
            m_tokens.ExpectPunct(JetSymbol::OpenParen);
            do
                st.insertValues.push_back(m_queries.Expr());
            while (m_tokens.AcceptPunct(JetSymbol::Comma));
            m_tokens.ExpectPunct(JetSymbol::CloseParen);
        } else if (m_tokens.IsWord("SELECT")) {
            st.insertFromQuery = true;
            st.query = m_queries.Query();
        } else {
            m_tokens.Fail("Expected VALUES or SELECT");
        }
    }

    JetSqlTokenCursor m_tokens;
    JetSqlQueryParser m_queries;
};

} // namespace

JetStatement JetSqlParser::Parse(const std::vector<JetToken>& tokens) {
    return StatementParser(tokens).Statement();
}
