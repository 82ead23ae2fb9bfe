#pragma once
// The parsers' place in the tokens of one query text: looks ahead, matches keywords, symbols
// and operators, reads names, and reports errors at the current token.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlOperator.h"
#include "platform/dao/JetSqlTokenizer.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class JetSqlTokenCursor {
public:
    // `tokens` as JetSqlTokenizer gives them, End last.
    explicit JetSqlTokenCursor(const std::vector<JetToken>& tokens) : m_tokens(tokens) {}

    const JetToken& Peek(size_t ahead = 0) const;
    // The current token; moves on unless it is End.
    const JetToken& Take();
    bool AtEnd() const { return Peek().type == JetTokenType::End; }

    // Keywords: bare names compared without regard to case.
    bool IsWord(std::string_view word, size_t ahead = 0) const;
    bool AcceptWord(std::string_view word);
    void ExpectWord(std::string_view word);
    // A word that ends or starts a clause, which a bare name may not be.
    bool IsReserved(const JetToken& token) const;

    bool IsPunct(std::string_view punct, size_t ahead = 0) const;
    bool AcceptPunct(std::string_view punct);
    void ExpectPunct(std::string_view punct);
    // An operator token ('*' also stands for "all columns").
    bool IsOperator(std::string_view op) const;
    // Takes the current token when it is one of `ops`, word or symbol.
    std::optional<JetOperator> AcceptOperator(std::initializer_list<JetOperator> ops);

    // A bare name that is no keyword, or any bracketed name.
    bool IsNameStart(size_t ahead = 0) const;
    // One such name.
    std::string NamePart();
    // Parts joined by '.' or '!', possibly ending in '*'.
    JetName Name();

    // Throw JetSqlError (Syntax, Unsupported) naming the current token's place.
    [[noreturn]] void Fail(const std::string& what) const;
    [[noreturn]] void Unsupported(const std::string& what) const;

private:
    const std::vector<JetToken>& m_tokens;
    size_t m_pos = 0;
};
