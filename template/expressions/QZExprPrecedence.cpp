#include "template/expressions/QZExprPrecedence.h"

#include "template/expressions/QZExprStmt.h"
#include "template/expressions/QZExprToken.h"

namespace {

using P = QZExprPrecedence;
using S = QZExprStmt;

// In the order of the levels, from the lowest precedence.
constexpr P::BinaryLevel kBinaryLevels[] = {
    {P::LEVEL_OR, TOKEN_OR, P::GROUP_RIGHT, {S::OP_OR}},
    {P::LEVEL_AND, TOKEN_AND, P::GROUP_RIGHT, {S::OP_AND}},
    {P::LEVEL_EQUALITY, TOK_EQOP, P::GROUP_RIGHT, {S::OP_EQ, S::OP_NE}},
    {P::LEVEL_RELATIONAL, TOK_RELOP, P::GROUP_RIGHT, {S::OP_LT, S::OP_LE, S::OP_GT, S::OP_GE}},
    {P::LEVEL_KEY_PAIR, TOK_COLON, P::GROUP_SINGLE, {S::OP_KEY}},
    {P::LEVEL_ADDITIVE, TOK_ADDOP, P::GROUP_LEFT, {S::OP_ADD, S::OP_SUB}},
    {P::LEVEL_MULTIPLICATIVE, TOK_MULOP, P::GROUP_LEFT, {S::OP_MUL, S::OP_DIV, S::OP_MOD}},
    {P::LEVEL_POWER, TOK_CARET, P::GROUP_RIGHT, {S::OP_POWER}},
};

constexpr bool InLevelOrder() {
    int index = 0;
    for (const P::BinaryLevel& entry : kBinaryLevels) {
        if (entry.level != index++)
            return false;
    }
    return index == P::LEVEL_POWER + 1;
}
static_assert(InLevelOrder(), "one entry for each level, in the order of the levels");

struct PrefixOperator {
    int token;
    int operations[3]; // by operator code, from the first code on
};

// "*x" follows an address; "/x" and "%x" copy x.
constexpr PrefixOperator kPrefixOperators[] = {
    {TOK_MULOP, {S::OP_DEREF, S::OP_ASSIGN, S::OP_ASSIGN}},
    {TOK_UMINUS, {S::OP_NEGATE}},
    {TOK_COLON, {S::OP_KEY}},
    {TOK_AMPERSAND, {S::OP_ADDRESS}},
    {TOKEN_NOT, {S::OP_NOT}},
};

// The operation of the operator code in a list by code; a token of one operator has it
// whatever its code.
template <int N> int ByCode(const int (&operations)[N], int code) {
    int index = code - CODE_SOLE;
    if (index < 0 || index >= N || operations[index] == 0)
        return operations[0];
    return operations[index];
}

} // namespace

const QZExprPrecedence::BinaryLevel& QZExprPrecedence::Binary(Level level) {
    return kBinaryLevels[level];
}

int QZExprPrecedence::BinaryOperation(Level level, int code) {
    return ByCode(Binary(level).operations, code);
}

int QZExprPrecedence::PrefixOperation(int token, int code) {
    for (const PrefixOperator& prefix : kPrefixOperators) {
        if (prefix.token == token)
            return ByCode(prefix.operations, code);
    }
    return 0;
}
