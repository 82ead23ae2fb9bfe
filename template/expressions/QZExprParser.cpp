#include "template/expressions/QZExprParser.h"

#include "db/QZKeyCombo.h"
#include "template/expressions/QZBinaryExprStmt.h"
#include "template/expressions/QZExprContext.h"
#include "template/expressions/QZExprToken.h"
#include "template/expressions/QZFuncExprStmt.h"
#include "template/expressions/QZMethodExprStmt.h"
#include "template/expressions/QZUnaryExprStmt.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <memory>
#include <vector>

namespace {

// The tokens that stand for their own entry: names, constants and reserved-word operands.
bool IsOperandToken(int token) {
    switch (token) {
    case TOKEN_IDENTIFIER:
    case TOK_INTEGER:
    case TOK_FLOAT:
    case TOK_STRING:
    case TOK_KEY:
    case TOK_CURRENCY:
    case TOK_DATE:
    case TOKEN_BUILTIN:
    case TOK_SPAN:
        return true;
    default:
        return token >= TOK_RESERVED_OPERAND_FIRST && token <= TOK_RESERVED_OPERAND_LAST;
    }
}

} // namespace

int QZExprParser::Token() const {
    return m_context.m_nCurrentToken;
}

int QZExprParser::Code() const {
    return m_context.m_nOperatorCode;
}

QZSymbol* QZExprParser::Binary(int operation, QZSymbol* left, QZSymbol* right) {
    QZSymbol* temp = m_context.NewTemp();
    new QZBinaryExprStmt(&m_context, operation, left, right, temp);
    return temp;
}

QZSymbol* QZExprParser::Unary(int operation, QZSymbol* operand) {
    QZSymbol* temp = m_context.NewTemp();
    new QZUnaryExprStmt(&m_context, operation, operand, temp);
    return temp;
}

void QZExprParser::OperandExpected() {
    if (!m_context.m_bTooDeep)
        m_context.ReportError("operand expected");
}

// ---- List and assignment

void QZExprParser::ParseList() {
    QZExprContext& c = m_context;
    c.m_pResults = std::make_unique<QZBlockList>();
    c.m_pResult = nullptr;
    for (;;) {
        QZSymbol* entry = ParseAssignment();
        c.m_itemResults.push_back(entry);
        if (entry != nullptr)
            c.m_pResults->AddTail(entry, 1, 1);
        if (Token() != TOK_COMMA)
            break;
        c.m_nDefaultKeyType = OBJ_PAGE;
        c.Advance(TOK_COMMA);
        c.m_nItem++;
    }
    if (c.m_pResults->GetHead() != nullptr)
        c.m_pResult = c.m_pResults->GetHead()->item;
}

QZSymbol* QZExprParser::ParseAssignment() {
    QZSymbol* left = ParseOr();
    if (left == nullptr || Token() != TOK_ASSIGN)
        return left;
    int operation = Code() == CODE_ASSIGN ? QZExprStmt::OP_ASSIGN : QZExprStmt::OP_INIT;
    // A parameter makes or sets a variable of this scope, never one of a parent's.
    if (m_context.m_bLocalAssignment && !left->GetName().IsEmpty())
        left = m_context.Table()->Define(left->GetName(), FALSE);
    // Set before the first token of the right side is read.
    m_context.m_bRhs = m_context.m_bLocalAssignment;
    m_context.Advance(TOK_ASSIGN);
    QZSymbol* right = ParseOr();
    m_context.m_bRhs = FALSE;
    if (right != nullptr)
        new QZUnaryExprStmt(&m_context, operation, right, left);
    return left;
}

// ---- The binary levels, from the lowest precedence

QZSymbol* QZExprParser::ParseOr() {
    return ParseLevel(QZExprPrecedence::LEVEL_OR);
}

QZSymbol* QZExprParser::ParseAnd() {
    return ParseLevel(QZExprPrecedence::LEVEL_AND);
}

QZSymbol* QZExprParser::ParseEquality() {
    return ParseLevel(QZExprPrecedence::LEVEL_EQUALITY);
}

QZSymbol* QZExprParser::ParseRelational() {
    return ParseLevel(QZExprPrecedence::LEVEL_RELATIONAL);
}

QZSymbol* QZExprParser::ParseKeyPair() {
    return ParseLevel(QZExprPrecedence::LEVEL_KEY_PAIR);
}

QZSymbol* QZExprParser::ParseAdditive() {
    return ParseLevel(QZExprPrecedence::LEVEL_ADDITIVE);
}

QZSymbol* QZExprParser::ParseMultiplicative() {
    return ParseLevel(QZExprPrecedence::LEVEL_MULTIPLICATIVE);
}

QZSymbol* QZExprParser::ParsePower() {
    return ParseLevel(QZExprPrecedence::LEVEL_POWER);
}

QZSymbol* QZExprParser::ParseTighter(Level level) {
    switch (level) {
    case QZExprPrecedence::LEVEL_OR:
        return ParseAnd();
    case QZExprPrecedence::LEVEL_AND:
        return ParseEquality();
    case QZExprPrecedence::LEVEL_EQUALITY:
        return ParseRelational();
    case QZExprPrecedence::LEVEL_RELATIONAL:
        return ParseKeyPair();
    case QZExprPrecedence::LEVEL_KEY_PAIR:
        return ParseAdditive();
    case QZExprPrecedence::LEVEL_ADDITIVE:
        return ParseMultiplicative();
    case QZExprPrecedence::LEVEL_MULTIPLICATIVE:
        return ParsePower();
    default:
        return ParseUnary();
    }
}

QZSymbol* QZExprParser::ParseLevel(Level level) {
    switch (QZExprPrecedence::Binary(level).grouping) {
    case QZExprPrecedence::GROUP_RIGHT:
        return ParseRightGrouping(level);
    case QZExprPrecedence::GROUP_SINGLE:
        return ParseLeftGrouping(level, true);
    default:
        return ParseLeftGrouping(level, false);
    }
}

// `a op b op c` as `a op (b op c)`, read in a loop rather than by recursion so that long
// chains do not deepen the stack; the statements still come in post-order. An operand that
// fails ends the chain with what was read before it.
QZSymbol* QZExprParser::ParseRightGrouping(Level level) {
    int token = QZExprPrecedence::Binary(level).token;
    std::vector<QZSymbol*> operands;
    std::vector<int> operations;
    QZSymbol* first = ParseTighter(level);
    if (first == nullptr)
        return nullptr;
    operands.push_back(first);
    while (Token() == token) {
        int operation = QZExprPrecedence::BinaryOperation(level, Code());
        m_context.Advance(token);
        QZSymbol* operand = ParseTighter(level);
        if (operand == nullptr)
            break;
        operations.push_back(operation);
        operands.push_back(operand);
    }
    QZSymbol* value = operands.back();
    for (size_t i = operations.size(); i-- > 0;)
        value = Binary(operations[i], operands[i], value);
    return value;
}

// `a op b op c` as `(a op b) op c`; with `single`, one operator at most.
QZSymbol* QZExprParser::ParseLeftGrouping(Level level, bool single) {
    int token = QZExprPrecedence::Binary(level).token;
    QZSymbol* left = ParseTighter(level);
    while (left != nullptr && Token() == token) {
        int operation = QZExprPrecedence::BinaryOperation(level, Code());
        m_context.Advance(token);
        QZSymbol* right = ParseTighter(level);
        if (right == nullptr)
            break;
        left = Binary(operation, left, right);
        if (single)
            break;
    }
    return left;
}

// ---- Unary, postfix and primary

QZSymbol* QZExprParser::ParseUnary() {
    std::vector<int> prefixes;
    for (;;) {
        int operation = QZExprPrecedence::PrefixOperation(Token(), Code());
        if (operation == 0)
            break;
        prefixes.push_back(operation);
        m_context.Advance(Token());
    }
    QZSymbol* value = ParsePostfix();
    // A missing operand still gets its statement, which reports it when run.
    for (size_t i = prefixes.size(); i-- > 0;)
        value = Unary(prefixes[i], value);
    return value;
}

QZSymbol* QZExprParser::ParsePostfix() {
    QZSymbol* value = ParsePrimary();
    while (value != nullptr && Token() == TOK_DOT) {
        m_context.Advance(TOK_DOT);
        if (Token() == TOKEN_METHOD) {
            value = ParseMethodCall(value);
            continue;
        }
        QZSymbol* member = ParsePrimary();
        if (member == nullptr)
            break;
        value = Binary(QZExprStmt::OP_MEMBER, value, member);
    }
    return value;
}

QZSymbol* QZExprParser::ParseMethodCall(QZSymbol* object) {
    LONG number = m_context.m_pCurrentEntry->GetInteger();
    m_context.Advance(TOKEN_METHOD);
    QZBlockList* arguments = ParseArguments();
    QZSymbol* temp = m_context.NewTemp();
    new QZMethodExprStmt(&m_context, number, object, arguments, temp);
    return temp;
}

QZSymbol* QZExprParser::ParsePrimary() {
    int token = Token();
    QZSymbol* entry = m_context.m_pCurrentEntry;
    if (IsOperandToken(token)) {
        bool field = token == TOKEN_IDENTIFIER && Code() == CODE_FIELD;
        m_context.Advance(token);
        return field ? Unary(QZExprStmt::OP_FIELD, entry) : entry;
    }
    if (token == TOK_LPAREN) {
        m_context.Advance(TOK_LPAREN);
        QZSymbol* value = ParseNested();
        if (value != nullptr)
            m_context.Advance(TOK_RPAREN);
        return value;
    }
    if (token == TOKEN_FUNCTION)
        return ParseFunctionCall();
    OperandExpected();
    return nullptr;
}

QZSymbol* QZExprParser::ParseFunctionCall() {
    LONG number = m_context.m_pCurrentEntry->GetInteger();
    m_context.Advance(TOKEN_FUNCTION);
    QZBlockList* arguments = ParseArguments();
    QZSymbol* temp = m_context.NewTemp();
    new QZFuncExprStmt(&m_context, number, arguments, temp);
    return temp;
}

// An expression in parentheses or a call's argument: no assignment and no list.
QZSymbol* QZExprParser::ParseNested() {
    if (m_nNesting >= kMaxNesting) {
        if (!m_context.m_bTooDeep)
            m_context.ReportError("expression nested too deeply");
        m_context.m_bTooDeep = TRUE;
        return nullptr;
    }
    m_nNesting++;
    QZSymbol* value = ParseOr();
    m_nNesting--;
    return value;
}

QZBlockList* QZExprParser::ParseArguments() {
    if (Token() != TOK_LPAREN) {
        m_context.Advance(TOK_LPAREN); // reports the missing "("
        return nullptr;
    }
    m_context.Advance(TOK_LPAREN);
    if (Token() == TOK_RPAREN) {
        m_context.Advance(TOK_RPAREN);
        return nullptr;
    }
    auto arguments = std::make_unique<QZBlockList>();
    for (;;) {
        QZSymbol* argument = ParseNested();
        if (argument != nullptr)
            arguments->AddTail(argument, 1, 1);
        if (Token() != TOK_COMMA)
            break;
        m_context.Advance(TOK_COMMA);
    }
    m_context.Advance(TOK_RPAREN);
    if (arguments->GetCount() == 0)
        return nullptr;
    return arguments.release();
}

// ---- Literal mode

QZSymbol* QZExprParser::ParseLiteral() {
    // Tokens are read without the grammar's matching: any surprise makes the text a string.
    QZExprContext& c = m_context;
    QZSymbol* first = c.m_pCurrentEntry;
    int token = Token();
    auto next = [&]() {
        c.m_nCurrentToken = c.NextToken();
        return c.m_nCurrentToken;
    };
    if (token == TOK_INTEGER) {
        int after = next();
        if (after == TOKEN_EOF)
            return first;
        QZSymbol* day = nullptr;
        QZSymbol* year = nullptr;
        if (after == TOK_DATESEP && next() == TOK_INTEGER && (day = c.m_pCurrentEntry) != nullptr &&
            next() == TOK_DATESEP && next() == TOK_INTEGER &&
            (year = c.m_pCurrentEntry) != nullptr && next() == TOKEN_EOF) {
            // Two-digit years are in the 1900s.
            LONG y = year->GetInteger();
            COleDateTime date(y < 100 ? y + 1900 : y, first->GetInteger(), day->GetInteger(), 0, 0,
                              0);
            return c.Table()->AddDateConst(date, c.m_text);
        }
    } else if (token == TOK_FLOAT || token == TOK_KEY || token == TOK_CURRENCY) {
        if (next() == TOKEN_EOF)
            return first;
    }
    return c.Table()->AddStringConst(c.m_text);
}
