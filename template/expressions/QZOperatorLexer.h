#pragma once
// The operator lexer: the spellings of the expression language's operators and punctuation,
// each with its token and operator code. The longest spelling wins ("<=" before "<"); what a
// spelling means in its place ("-" before an operand, "/" in a literal, a lone "=") the
// expression lexer settles.

#include "template/expressions/QZExprToken.h"

class QZOperatorLexer {
public:
    struct Spelling {
        char first;
        char second; // 0 for a spelling of one character
        int token;
        int code;
    };

    // The spelling that starts with `first` followed by `next` (the character after it, which
    // is read only when the spelling has two), or null when no operator starts with `first`.
    static const Spelling* Match(int first, int next);
};
