#include "template/expressions/QZUnaryExprStmt.h"

#include "db/QZKeyCombo.h"
#include "template/expressions/QZExprContext.h"
#include "template/expressions/QZExprConvert.h"
#include "template/expressions/QZQueryExprContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZUnaryExprStmt, QZExprStmt)

QZUnaryExprStmt::QZUnaryExprStmt(QZExprContext* context, int operation, QZSymbol* operand,
                                 QZSymbol* result)
    : QZExprStmt(context, operation, result), m_pOperand(operand) {}

void QZUnaryExprStmt::Execute() {
    if (m_pResultEntry == nullptr || m_pOperand == nullptr) {
        Error("invalid operand in unary expression");
        return;
    }
    // References are followed for this run only; the statement keeps its own entries, so a
    // reference that designates nothing now does not spoil later runs.
    QZSymbol* result = m_pResultEntry;
    if (m_nOperation != OP_DEREF && m_nOperation != OP_FIELD)
        result = Follow(result);
    QZSymbol* operand = Follow(m_pOperand);
    if (result == nullptr || operand == nullptr) {
        Error("invalid operand in unary expression");
        return;
    }
    if (m_nOperation != OP_FIELD && !CheckValue(operand)) {
        // A rejected assignment leaves a constant or a built-in as it was.
        if ((m_nOperation != OP_ASSIGN && m_nOperation != OP_INIT) || IsVariable(result))
            SetErrorValue(result);
        return;
    }
    switch (m_nOperation) {
    case OP_ASSIGN:
        Assign(result, operand);
        break;
    case OP_INIT:
        Initialise(result, operand);
        break;
    case OP_NEGATE:
        Negate(result, operand);
        break;
    case OP_KEY:
        KeyFromNumber(result, operand);
        break;
    case OP_ADDRESS:
        result->SetAddress(operand);
        break;
    case OP_DEREF:
        Dereference(result, operand);
        break;
    case OP_NOT:
        LogicalNot(result, operand);
        break;
    case OP_FIELD:
        FieldValue(result, operand);
        break;
    default:
        break;
    }
}

// The operand may live inside the result's array or record (`a = a.2`): the setters copy the
// value before they release the result's old one.
BOOL QZUnaryExprStmt::CopyValue(QZSymbol* result, const QZSymbol* operand, BOOL aggregates) {
    switch (operand->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        result->SetInteger(operand->GetInteger());
        return TRUE;
    case QZSymbol::TYPE_CURRENCY:
        result->SetCurrency(operand->GetCurrency());
        return TRUE;
    case QZSymbol::TYPE_DOUBLE:
        result->SetDouble(operand->GetDouble());
        return TRUE;
    case QZSymbol::TYPE_DATE:
        result->SetDate(operand->GetDate());
        return TRUE;
    case QZSymbol::TYPE_STRING:
        result->SetString(operand->GetString());
        return TRUE;
    case QZSymbol::TYPE_KEY:
        result->SetKey(operand->GetKey());
        return TRUE;
    case QZSymbol::TYPE_SPAN:
        result->SetSpan(operand->GetSpan());
        return TRUE;
    case QZSymbol::TYPE_ARRAY:
    case QZSymbol::TYPE_RECORD:
        if (!aggregates || operand->GetArray() == nullptr)
            return FALSE;
        result->SetTable(*operand->GetArray(), operand->GetType() == QZSymbol::TYPE_ARRAY);
        return TRUE;
    default:
        return FALSE;
    }
}

void QZUnaryExprStmt::Assign(QZSymbol* result, QZSymbol* operand) {
    if (result->GetName().IsEmpty()) {
        Error("illegal assignment: invalid left-hand side");
        return;
    }
    if (!IsVariable(result)) {
        Error("left-hand side %s is read-only", result->GetName());
        return;
    }
    const SymbolTable* table = operand->GetArray();
    if (table != nullptr && table->CountSlots(kMaxCopiedEntries) > kMaxCopiedEntries) {
        Error("array or record %s is too large to copy", operand->GetName());
        SetErrorValue(result);
        return;
    }
    Replacing(result);
    if (!CopyValue(result, operand, TRUE))
        result->SetType(operand->GetType());
}

void QZUnaryExprStmt::Initialise(QZSymbol* result, QZSymbol* operand) {
    if (!IsVariable(result) || result->HasValue())
        return;
    CopyValue(result, operand, FALSE);
}

void QZUnaryExprStmt::Negate(QZSymbol* result, QZSymbol* operand) {
    switch (operand->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        result->SetInteger(QZExprConvert::WrapNegate(operand->GetInteger()));
        break;
    case QZSymbol::TYPE_CURRENCY:
        result->SetCurrency(-operand->GetCurrency());
        break;
    case QZSymbol::TYPE_DOUBLE:
        result->SetDouble(-operand->GetDouble());
        break;
    case QZSymbol::TYPE_DATE:
        Error("can't negate date %s=%s", operand->GetName(), operand->GetDate().Format("%c"));
        SetErrorValue(result);
        break;
    case QZSymbol::TYPE_STRING:
        result->SetString(QZExprConvert::Reversed(operand->GetString()));
        break;
    case QZSymbol::TYPE_KEY:
        Error("can't negate key %s=%s", operand->GetName(), operand->GetKey().FormatFull());
        SetErrorValue(result);
        break;
    case QZSymbol::TYPE_SPAN:
        result->SetSpan(-operand->GetSpan());
        break;
    default:
        result->SetType(QZSymbol::TYPE_NULL); // no rule: no value, not an earlier run's
        break;
    }
}

void QZUnaryExprStmt::KeyFromNumber(QZSymbol* result, QZSymbol* operand) {
    LONG keyId;
    if (operand->GetType() == QZSymbol::TYPE_INTEGER)
        keyId = operand->GetInteger();
    else if (operand->GetType() == QZSymbol::TYPE_DOUBLE)
        keyId = QZExprConvert::ToInteger(operand->GetDouble());
    else {
        Error("illegal operand  %s of :", operand->GetName());
        SetErrorValue(result);
        return;
    }
    result->SetKey(QZKeyCombo(keyId));
}

void QZUnaryExprStmt::Dereference(QZSymbol* result, QZSymbol* operand) {
    if (operand->GetType() != QZSymbol::TYPE_ADDRESS) {
        Error("illegal indirection: attempt to de-reference a non-pointer %s", operand->GetName());
        SetErrorValue(result);
        return;
    }
    result->SetReference(operand->GetAddress());
}

void QZUnaryExprStmt::LogicalNot(QZSymbol* result, QZSymbol* operand) {
    if (operand->GetType() == QZSymbol::TYPE_INTEGER)
        result->SetInteger(operand->GetInteger() == 0 ? 1 : 0);
    else if (operand->GetType() == QZSymbol::TYPE_DOUBLE)
        result->SetInteger(operand->GetDouble() == 0.0 ? 1 : 0);
    else {
        Error("can't take logical not of %s", operand->GetName());
        SetErrorValue(result);
    }
}

void QZUnaryExprStmt::FieldValue(QZSymbol* result, QZSymbol* operand) {
    if (operand->GetName().IsEmpty()) {
        SetErrorValue(result);
        return;
    }
    // The query whose row this is: the one enclosing the statement's context, or, for the
    // query command's own expression, the one enclosing that command.
    QZVantrelContext* query = m_pOwningContext->GetQueryContext();
    if (query == m_pOwningContext) {
        QZVantrelContext* parent = m_pOwningContext->GetParent();
        query = parent != nullptr ? parent->GetQueryContext() : nullptr;
    }
    auto* queryContext = dynamic_cast<QZQueryExprContext*>(query);
    if (queryContext == nullptr) {
        Error("field %s is not valid outside of a query.", operand->GetName());
        SetErrorValue(result);
        return;
    }
    result->SetVariant(queryContext->GetFieldValue(operand->GetName()));
}
