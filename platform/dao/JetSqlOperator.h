#pragma once
// The dialect's operators, as the parser reads them into the tree and the expression writer
// writes them. Symbol operators are tokens of their own; the word operators (OR, AND, NOT,
// MOD) are names that the parser recognises.

#include <string_view>

enum class JetOperator {
    Or,
    And,
    Not,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessOrEqual,
    GreaterOrEqual,
    Concat, // &
    Plus,   // binary or unary
    Minus,  // binary or unary
    Multiply,
    Divide,
    IntegerDivide, // backslash
    Modulo,        // MOD
    Power          // ^
};

// The operator as the dialect spells it: "<>", "&", "MOD".
std::string_view JetOperatorText(JetOperator op);

// Whether the dialect spells the operator as a word (OR, AND, NOT, MOD) rather than a symbol.
bool IsWordOperator(JetOperator op);
