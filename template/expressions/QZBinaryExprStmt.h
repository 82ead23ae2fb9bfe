#pragma once
// A statement of two operands: arithmetic, comparison, logical and exponent operators, the key
// operator ":" and the index or member operator ".". The operand types select the rule.

#include "template/expressions/QZUnaryExprStmt.h"

class CString;

class QZBinaryExprStmt : public QZUnaryExprStmt {
    DECLARE_DYNAMIC(QZBinaryExprStmt)
public:
    QZBinaryExprStmt(QZExprContext* context, int operation, QZSymbol* left, QZSymbol* right,
                     QZSymbol* result);

    void Execute() override;

    QZSymbol* GetLeft() const { return m_pOperand; }
    QZSymbol* GetRight() const { return m_pRight; }

protected:
    QZSymbol* m_pRight;

private:
    BOOL TakeOperands(QZSymbol*& result, QZSymbol*& left, QZSymbol*& right);
    void Apply(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void Add(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void Subtract(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void Multiply(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void Divide(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void DivideCurrency(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void Modulo(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void Compare(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void Power(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void KeyPair(QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void IndexOrMember(QZSymbol* result, QZSymbol* left, QZSymbol* right);

    // Reports the message with the two operands' names and leaves the error value.
    void Fail(LPCTSTR format, QZSymbol* result, QZSymbol* left, QZSymbol* right);
    void DivideByZero(QZSymbol* result, BOOL currency);
    // The text joined, or repeated |count| times (reversed for a negative count), unless the
    // result would pass the length limit.
    void SetJoined(QZSymbol* result, const CString& first, const CString& second, QZSymbol* left,
                   QZSymbol* right);
    void SetRepeated(QZSymbol* result, const CString& text, LONG count, BOOL reverse,
                     QZSymbol* left, QZSymbol* right);
};
