#pragma once
// Splits a query text of the desktop engine's SQL dialect into tokens: bare and bracketed
// names, string, number and #date# literals, operators and punctuation. White space of any
// kind (blanks, runs of tabs, line breaks) only separates tokens.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class JetTokenType {
    Name,        // a bare word: keyword, table, column, function or parameter name
    BracketName, // [any text]
    String,      // "..." or '...'
    Number,      // 12, 1.5, 2E3
    Date,        // #3/14/1999 10:20#
    Operator,    // = <> < > <= >= + - * / \ ^ &
    Punct,       // ( ) , ; . !
    End
};

// The spellings of the punctuation tokens, and of the operator tokens '*' and '=' where they
// stand for no operator (Count(*), Table.*, SET column = value).
namespace JetSymbol {
inline constexpr std::string_view OpenParen = "(";
inline constexpr std::string_view CloseParen = ")";
inline constexpr std::string_view Comma = ",";
inline constexpr std::string_view Semicolon = ";";
inline constexpr std::string_view Dot = ".";
inline constexpr std::string_view Bang = "!";
inline constexpr std::string_view Star = "*";
inline constexpr std::string_view Equals = "=";
} // namespace JetSymbol

struct JetToken {
    JetTokenType type;
    // Name, Number, Operator, Punct: as written. BracketName: the name between the brackets.
    // String: the value, quotes removed and doubled quotes made single. Date: the value as
    // ISO text "YYYY-MM-DD HH:MM:SS".
    std::string text;
    size_t offset; // where the token starts in the query text
};

class JetSqlTokenizer {
public:
    // The tokens in order, closed by one End token. Throws JetSqlError (Syntax) on an
    // unterminated string, bracket or date, a malformed date, or a character the dialect
    // does not use.
    static std::vector<JetToken> Tokenize(std::string_view text);
};
