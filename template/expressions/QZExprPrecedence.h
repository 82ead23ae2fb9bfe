#pragma once
// The precedence levels of the expression grammar and the operations their operators make:
// the binary levels from the lowest precedence to the highest, each with the token it reads
// and how a chain of its operators groups, and the prefix operators of the unary level above
// them. The parser has one function per level; this table says what each one does.

class QZExprPrecedence {
public:
    enum Level : int {
        LEVEL_OR,
        LEVEL_AND,
        LEVEL_EQUALITY,
        LEVEL_RELATIONAL,
        LEVEL_KEY_PAIR,
        LEVEL_ADDITIVE,
        LEVEL_MULTIPLICATIVE,
        LEVEL_POWER, // the highest binary level; the unary level is above it
    };
    enum Grouping : int {
        GROUP_RIGHT,  // `a op b op c` is `a op (b op c)`
        GROUP_LEFT,   // `a op b op c` is `(a op b) op c`
        GROUP_SINGLE, // at most one operator: `a op b`
    };
    struct BinaryLevel {
        Level level;
        int token;
        Grouping grouping;
        // The operation of each operator code of the token, from the first code on.
        int operations[4];
    };

    static const BinaryLevel& Binary(Level level);
    // The operation that the level's operator with this operator code makes.
    static int BinaryOperation(Level level, int code);
    // The unary operation of a prefix operator token with its operator code, or 0 when the
    // token is no prefix operator.
    static int PrefixOperation(int token, int code);
};
