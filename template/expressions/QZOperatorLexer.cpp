#include "template/expressions/QZOperatorLexer.h"

namespace {

using Spelling = QZOperatorLexer::Spelling;

// Two-character spellings come first, so that they win over their first character alone.
constexpr Spelling kSpellings[] = {
    {'<', '=', TOK_RELOP, CODE_LESS_EQUAL},
    {'<', '>', TOK_EQOP, CODE_NOT_EQUAL},
    {'>', '=', TOK_RELOP, CODE_GREATER_EQUAL},
    {'=', '=', TOK_EQOP, CODE_EQUAL},
    {':', '=', TOK_ASSIGN, CODE_INITIALISE},
    {'+', 0, TOK_ADDOP, CODE_PLUS},
    {'-', 0, TOK_ADDOP, CODE_MINUS},
    {'*', 0, TOK_MULOP, CODE_TIMES},
    {'/', 0, TOK_MULOP, CODE_DIVIDE},
    {'%', 0, TOK_MULOP, CODE_MODULO},
    {'<', 0, TOK_RELOP, CODE_LESS},
    {'>', 0, TOK_RELOP, CODE_GREATER},
    {'=', 0, TOK_ASSIGN, CODE_ASSIGN},
    {':', 0, TOK_COLON, CODE_SOLE},
    {'^', 0, TOK_CARET, CODE_SOLE},
    {'&', 0, TOK_AMPERSAND, CODE_SOLE},
    {'(', 0, TOK_LPAREN, CODE_SOLE},
    {')', 0, TOK_RPAREN, CODE_SOLE},
    {',', 0, TOK_COMMA, CODE_SOLE},
};

} // namespace

const QZOperatorLexer::Spelling* QZOperatorLexer::Match(int first, int next) {
    for (const Spelling& spelling : kSpellings) {
        if (spelling.first == first && (spelling.second == 0 || spelling.second == next))
            return &spelling;
    }
    return nullptr;
}
