#pragma once
// The expression lexer: a character state machine over the text of an expression context. It
// reads names and resolves them in the context's scope, enters constants in the scope's
// constant pool (their values read by QZConstantReader), and leaves operators to the operator
// lexer. What it finds goes to the context: the current entry and the operator code.

#include "platform/core/CString.h"
#include "platform/core/Types.h"
#include "template/expressions/QZConstantReader.h"

class QZExprContext;

class QZExprLexer {
public:
    explicit QZExprLexer(QZExprContext& context) : m_context(context) {}

    // Reads the next token of the context's text and returns its number.
    int NextToken();
    // The printable name of a token for syntax messages; empty for the tokens without one.
    static CString TokenName(int token);

    // Character classes of the language, whatever the locale: ASCII letters and digits.
    static bool IsAlpha(int c);
    static bool IsDigit(int c);
    static bool IsAlnum(int c);

private:
    int Peek() const;
    void SkipSpace();
    BOOL AfterOperand() const;

    int LexIdentifier();
    int LexNumber();
    int LexKeyRest();
    int LexFraction();
    int LexString();
    int LexField();
    int LexCurrency();
    int LexDate();
    bool LexDateParts(QZConstantReader::DateParts& parts);
    bool LexTime(QZConstantReader::DateParts& parts);
    LONG ReadNumber();
    int LexOperator(int c);
    int LexLoneEquals();

    QZExprContext& m_context;
};
