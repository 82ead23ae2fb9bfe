#pragma once
// A small tokenizer over SQL text (SQLite's and the stored queries' alike: bracketed, quoted and
// back-quoted names, strings, numbers, parameters, punctuation). The layer uses it to find the
// parts of a statement it rewrites itself: the select list, the one table of a simple SELECT.

#include <string>
#include <string_view>
#include <vector>

struct DaoSqlToken {
    enum class Kind { Word, QuotedName, String, Number, Parameter, Symbol };
    Kind kind;
    std::string text; // a name without its quotes, a string without its quotes
    size_t begin = 0; // byte offsets in the source
    size_t end = 0;
    int depth = 0; // parenthesis depth at the token

    bool IsWord(std::string_view word) const;
    bool IsName() const { return kind == Kind::Word || kind == Kind::QuotedName; }
    bool IsSymbol(char c) const { return kind == Kind::Symbol && text.size() == 1 && text[0] == c; }
};

class DaoSqlLexer {
public:
    static std::vector<DaoSqlToken> Tokenize(std::string_view sql);

    // Where the select list of a SELECT statement begins (after SELECT and DISTINCT or ALL);
    // npos when the text is no plain SELECT.
    static size_t SelectListStart(std::string_view sql);

    // The table of "SELECT <plain columns or *> FROM <one table> [WHERE ...] [ORDER BY ...]";
    // empty when the statement reads anything else (joins, unions, groups, expressions).
    static std::string SingleTable(std::string_view sql);

    // The text is one name alone ("Marquill", "[Marquill]"): the name, else empty.
    static std::string SoleName(std::string_view sql);
};
