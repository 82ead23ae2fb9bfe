#include "template/expressions/QZExprStmt.h"

#include "template/expressions/QZExprContext.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZExprStmt, QZCommandBase)

QZExprStmt::QZExprStmt(QZExprContext* context, int operation, QZSymbol* result)
    : QZCommandBase(context), m_nOperation(operation), m_pResultEntry(result),
      m_pOwningContext(context), m_nItem(context->GetCurrentItem()) {
    SetLine(context->GetLine());
}

void QZExprStmt::SetErrorValue(QZSymbol* entry) {
    Replacing(entry);
    entry->SetString(QZSymbol::kErrorValue);
}

void QZExprStmt::Replacing(const QZSymbol* entry) {
    if (entry->GetType() == QZSymbol::TYPE_ARRAY || entry->GetType() == QZSymbol::TYPE_RECORD)
        m_pOwningContext->NoteAggregateReplaced(m_nItem);
}

BOOL QZExprStmt::IsVariable(const QZSymbol* entry) {
    return entry->GetKind() == QZSymbol::KIND_VARIABLE;
}

QZSymbol* QZExprStmt::Follow(QZSymbol* entry) {
    return entry->GetType() == QZSymbol::TYPE_REFERENCE ? entry->GetReference() : entry;
}
