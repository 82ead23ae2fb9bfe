#include "platform/dao/DaoSqlLexer.h"

#include "platform/dao/DaoSchema.h"

#include <cctype>

bool DaoSqlToken::IsWord(std::string_view word) const {
    return kind == Kind::Word && DaoNamesEqual(text, word);
}

namespace {

bool IsNameChar(char c) {
    auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || c == '$' || u >= 0x80;
}

// Reads a quoted run closed by `close`, where a doubled closer stands for itself.
size_t ReadQuoted(std::string_view sql, size_t pos, char close, std::string& out) {
    ++pos;
    while (pos < sql.size()) {
        if (sql[pos] == close) {
            if (close != ']' && pos + 1 < sql.size() && sql[pos + 1] == close) {
                out += close;
                pos += 2;
                continue;
            }
            return pos + 1;
        }
        out += sql[pos++];
    }
    return pos;
}

size_t SkipSpaceAndComments(std::string_view sql, size_t pos) {
    while (pos < sql.size()) {
        if (std::isspace(static_cast<unsigned char>(sql[pos]))) {
            ++pos;
        } else if (sql.compare(pos, 2, "--") == 0) {
            while (pos < sql.size() && sql[pos] != '\n')
                ++pos;
        } else if (sql.compare(pos, 2, "/*") == 0) {
            size_t end = sql.find("*/", pos + 2);
            pos = end == std::string_view::npos ? sql.size() : end + 2;
        } else {
            break;
        }
    }
    return pos;
}

} // namespace

std::vector<DaoSqlToken> DaoSqlLexer::Tokenize(std::string_view sql) {
    std::vector<DaoSqlToken> tokens;
    int depth = 0;
    size_t pos = SkipSpaceAndComments(sql, 0);
    while (pos < sql.size()) {
        DaoSqlToken token{DaoSqlToken::Kind::Symbol, {}, pos, pos, depth};
        char c = sql[pos];
        if (c == '[' || c == '"' || c == '`') {
            token.kind = DaoSqlToken::Kind::QuotedName;
            pos = ReadQuoted(sql, pos, c == '[' ? ']' : c, token.text);
        } else if (c == '\'') {
            token.kind = DaoSqlToken::Kind::String;
            pos = ReadQuoted(sql, pos, '\'', token.text);
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            token.kind = DaoSqlToken::Kind::Number;
            while (pos < sql.size() && (IsNameChar(sql[pos]) || sql[pos] == '.'))
                token.text += sql[pos++];
        } else if (c == '?' || c == ':' || c == '@') {
            token.kind = DaoSqlToken::Kind::Parameter;
            token.text += sql[pos++];
            while (pos < sql.size() && IsNameChar(sql[pos]))
                token.text += sql[pos++];
        } else if (IsNameChar(c)) {
            token.kind = DaoSqlToken::Kind::Word;
            while (pos < sql.size() && IsNameChar(sql[pos]))
                token.text += sql[pos++];
        } else {
            token.text = std::string(1, c);
            ++pos;
            if (c == '(')
                ++depth;
            else if (c == ')')
                token.depth = --depth;
        }
        token.end = pos;
        tokens.push_back(std::move(token));
        pos = SkipSpaceAndComments(sql, pos);
    }
    return tokens;
}

size_t DaoSqlLexer::SelectListStart(std::string_view sql) {
    std::vector<DaoSqlToken> tokens = Tokenize(sql);
    if (tokens.empty() || !tokens[0].IsWord("SELECT"))
        return std::string_view::npos;
    if (tokens.size() > 1 && (tokens[1].IsWord("DISTINCT") || tokens[1].IsWord("ALL")))
        return tokens[1].end;
    return tokens[0].end;
}

namespace {

// "*", "T.*", "col" or "T.col" separated by commas, up to FROM; the index of FROM or 0.
size_t PlainSelectList(const std::vector<DaoSqlToken>& tokens, size_t i) {
    for (;;) {
        if (i >= tokens.size())
            return 0;
        if (tokens[i].IsSymbol('*')) {
            ++i;
        } else if (tokens[i].IsName() && !tokens[i].IsWord("FROM")) {
            ++i;
            if (i + 1 < tokens.size() && tokens[i].IsSymbol('.') &&
                (tokens[i + 1].IsName() || tokens[i + 1].IsSymbol('*')))
                i += 2;
        } else {
            return 0;
        }
        if (i < tokens.size() && tokens[i].IsSymbol(',')) {
            ++i;
            continue;
        }
        return i < tokens.size() && tokens[i].IsWord("FROM") ? i : 0;
    }
}

} // namespace

std::string DaoSqlLexer::SingleTable(std::string_view sql) {
    std::vector<DaoSqlToken> tokens = Tokenize(sql);
    if (tokens.empty() || !tokens[0].IsWord("SELECT"))
        return {};
    size_t i = 1;
    if (i < tokens.size() && (tokens[i].IsWord("DISTINCTROW") || tokens[i].IsWord("ALL")))
        ++i;
    size_t from = PlainSelectList(tokens, i);
    if (from == 0 || from + 1 >= tokens.size() || !tokens[from + 1].IsName())
        return {};
    std::string table = tokens[from + 1].text;
    for (size_t k = from + 2; k < tokens.size(); ++k) {
        const DaoSqlToken& t = tokens[k];
        if (t.depth > 0)
            continue;
        if (t.IsWord("WHERE") || t.IsWord("ORDER"))
            break;
        if (t.IsSymbol(',') || t.IsSymbol('(') || t.IsWord("JOIN") || t.IsWord("UNION") ||
            t.IsWord("GROUP") || t.IsWord("HAVING") || t.IsWord("INNER") || t.IsWord("LEFT") ||
            t.IsWord("RIGHT") || t.IsWord("CROSS") || t.IsWord("NATURAL"))
            return {};
    }
    for (size_t k = from + 2; k < tokens.size(); ++k) {
        const DaoSqlToken& t = tokens[k];
        if (t.depth == 0 && (t.IsWord("UNION") || t.IsWord("GROUP") || t.IsWord("HAVING") ||
                             t.IsWord("INTERSECT") || t.IsWord("EXCEPT")))
            return {};
    }
    return table;
}

std::string DaoSqlLexer::SoleName(std::string_view sql) {
    std::vector<DaoSqlToken> tokens = Tokenize(sql);
    while (!tokens.empty() && tokens.back().IsSymbol(';'))
        tokens.pop_back();
    if (tokens.size() == 1 && tokens[0].IsName())
        return tokens[0].text;
    return {};
}
