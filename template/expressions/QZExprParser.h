#pragma once
// The expression parser: one function for each level of the grammar, from the list of
// comma-separated expressions down to the primary operands, over the tokens of the context's
// lexer. Every operation appends its three-address statement to the context, after the
// statements of its operands, with a new temporary entry as its result; each level returns
// the entry holding its value, or null after an error. QZExprPrecedence gives the binary
// levels' operators and grouping.

#include "template/expressions/QZExprPrecedence.h"

class QZBlockList;
class QZExprContext;
class QZSymbol;

class QZExprParser {
public:
    // The deepest nesting of parentheses and call arguments that is compiled.
    static constexpr int kMaxNesting = 100;

    explicit QZExprParser(QZExprContext& context) : m_context(context) {}

    // Compiles the text from the current token: the results of its expressions go to the
    // context's results list, the first one to its result. Tokens after the list are left.
    void ParseList();
    // Literal mode: the whole text as one value (a date "m/d/y", a number, a key or a currency
    // alone), or else as one string constant.
    QZSymbol* ParseLiteral();

private:
    using Level = QZExprPrecedence::Level;

    QZSymbol* ParseAssignment();
    QZSymbol* ParseOr();
    QZSymbol* ParseAnd();
    QZSymbol* ParseEquality();
    QZSymbol* ParseRelational();
    QZSymbol* ParseKeyPair();
    QZSymbol* ParseAdditive();
    QZSymbol* ParseMultiplicative();
    QZSymbol* ParsePower();
    QZSymbol* ParseUnary();
    QZSymbol* ParsePostfix();
    QZSymbol* ParsePrimary();

    // The binary levels by their grouping, and the level that binds tighter than `level`.
    QZSymbol* ParseLevel(Level level);
    QZSymbol* ParseRightGrouping(Level level);
    QZSymbol* ParseLeftGrouping(Level level, bool single);
    QZSymbol* ParseTighter(Level level);

    QZSymbol* ParseMethodCall(QZSymbol* object);
    QZSymbol* ParseFunctionCall();
    QZSymbol* ParseNested();
    QZBlockList* ParseArguments();
    QZSymbol* Binary(int operation, QZSymbol* left, QZSymbol* right);
    QZSymbol* Unary(int operation, QZSymbol* operand);
    void OperandExpected();
    int Token() const;
    int Code() const;

    QZExprContext& m_context;
    int m_nNesting = 0;
};
