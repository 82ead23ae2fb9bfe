#include "platform/dao/JetSqlTokenCursor.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlText.h"

#include <algorithm>
#include <set>

namespace {

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

} // namespace

const JetToken& JetSqlTokenCursor::Peek(size_t ahead) const {
    return m_tokens[std::min(m_pos + ahead, m_tokens.size() - 1)];
}

const JetToken& JetSqlTokenCursor::Take() {
    const JetToken& t = Peek();
    if (m_pos < m_tokens.size() - 1)
        ++m_pos;
    return t;
}

bool JetSqlTokenCursor::IsWord(std::string_view word, size_t ahead) const {
    const JetToken& t = Peek(ahead);
    return t.type == JetTokenType::Name && JetSqlText::Upper(t.text) == word;
}

bool JetSqlTokenCursor::AcceptWord(std::string_view word) {
    if (!IsWord(word))
        return false;
    Take();
    return true;
}

void JetSqlTokenCursor::ExpectWord(std::string_view word) {
    if (!AcceptWord(word))
        Fail("Expected " + std::string(word));
}

bool JetSqlTokenCursor::IsReserved(const JetToken& token) const {
    return token.type == JetTokenType::Name &&
           ReservedWords().count(JetSqlText::Upper(token.text)) > 0;
}

bool JetSqlTokenCursor::IsPunct(std::string_view punct, size_t ahead) const {
    const JetToken& t = Peek(ahead);
    return t.type == JetTokenType::Punct && t.text == punct;
}

bool JetSqlTokenCursor::AcceptPunct(std::string_view punct) {
    if (!IsPunct(punct))
        return false;
    Take();
    return true;
}

void JetSqlTokenCursor::ExpectPunct(std::string_view punct) {
    if (!AcceptPunct(punct))
        Fail("Expected '" + std::string(punct) + "'");
}

bool JetSqlTokenCursor::IsOperator(std::string_view op) const {
    const JetToken& t = Peek();
    return t.type == JetTokenType::Operator && t.text == op;
}

std::optional<JetOperator>
JetSqlTokenCursor::AcceptOperator(std::initializer_list<JetOperator> ops) {
    for (JetOperator op : ops) {
        std::string_view text = JetOperatorText(op);
        if (IsWordOperator(op) ? IsWord(text) : IsOperator(text)) {
            Take();
            return op;
        }
    }
    return std::nullopt;
}

bool JetSqlTokenCursor::IsNameStart(size_t ahead) const {
    const JetToken& t = Peek(ahead);
    return t.type == JetTokenType::BracketName || (t.type == JetTokenType::Name && !IsReserved(t));
}

std::string JetSqlTokenCursor::NamePart() {
    if (!IsNameStart())
        Fail("Expected a name");
    return Take().text;
}

JetName JetSqlTokenCursor::Name() {
    JetName name;
    name.offset = Peek().offset;
    name.parts.push_back(NamePart());
    while (IsPunct(JetSymbol::Dot) || IsPunct(JetSymbol::Bang)) {
        Take();
        if (IsOperator(JetSymbol::Star)) {
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

void JetSqlTokenCursor::Fail(const std::string& what) const {
    const JetToken& t = Peek();
    std::string found = t.type == JetTokenType::End ? "the end of the text" : "'" + t.text + "'";
    throw JetSqlError(JetSqlError::Reason::Syntax, "Syntax error in query: " + what +
                                                       JetSqlText::At(t.offset) + ", found " +
                                                       found);
}

void JetSqlTokenCursor::Unsupported(const std::string& what) const {
    throw JetSqlError(JetSqlError::Reason::Unsupported, what + " (at character " +
                                                            std::to_string(Peek().offset + 1) +
                                                            ") is not supported in queries");
}
