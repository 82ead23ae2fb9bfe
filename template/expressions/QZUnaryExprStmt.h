#pragma once
// A statement of one operand: assignment, initialising assignment, negation, key from a
// number, address-of, indirection, logical not and the value of a query field.

#include "template/expressions/QZExprStmt.h"

class QZUnaryExprStmt : public QZExprStmt {
    DECLARE_DYNAMIC(QZUnaryExprStmt)
public:
    QZUnaryExprStmt(QZExprContext* context, int operation, QZSymbol* operand, QZSymbol* result);

    void Execute() override;

    QZSymbol* GetOperand() const { return m_pOperand; }

protected:
    QZSymbol* m_pOperand;

private:
    void Assign(QZSymbol* result, QZSymbol* operand);
    void Initialise(QZSymbol* result, QZSymbol* operand);
    void Negate(QZSymbol* result, QZSymbol* operand);
    void KeyFromNumber(QZSymbol* result, QZSymbol* operand);
    void Dereference(QZSymbol* result, QZSymbol* operand);
    void LogicalNot(QZSymbol* result, QZSymbol* operand);
    void FieldValue(QZSymbol* result, QZSymbol* operand);
    // Copies the operand's value into the result, for the types an assignment copies.
    static BOOL CopyValue(QZSymbol* result, const QZSymbol* operand, BOOL aggregates);
};
