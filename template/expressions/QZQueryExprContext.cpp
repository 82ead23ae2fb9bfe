#include "template/expressions/QZQueryExprContext.h"

#include "template/expressions/QZQueryRowSource.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

QZQueryExprContext::QZQueryExprContext(QZVantrelContext* parent) : QZExprContext(parent) {
    if (parent != nullptr)
        m_pSymbolTable = parent->GetSymbolTable();
    m_bLocalAssignment = TRUE;
    // Chained to the field table of the enclosing query, which the base found.
    m_pFields = std::make_unique<SymbolTable>(m_pFieldTable);
    m_pFieldTable = m_pFields.get();
    SetQueryContext(this);
}

QZQueryExprContext::~QZQueryExprContext() {
    DeleteStatements();
}

COleVariant QZQueryExprContext::GetFieldValue(const CString& name) {
    QZSymbol* cached = m_pFields->Find(name, FALSE);
    if (cached != nullptr && cached->HasValue())
        return cached->GetVariant();
    CString field = name.GetLength() >= 2 ? name.Mid(1, name.GetLength() - 2) : CString();
    COleVariant value = m_pQuery != nullptr ? m_pQuery->GetFieldValue(field) : COleVariant();
    // Cached in this query's own table: an enclosing query's field of that name keeps its row's
    // value.
    m_pFields->Define(name, FALSE)->SetVariant(value);
    return value;
}

void QZQueryExprContext::ClearRowFields() {
    for (QZBlockList::Node* node = m_pFields->GetBlocks().GetHead(); node; node = node->next) {
        for (LONG i = 0; i < node->used; i++) {
            QZSymbol& entry = node->item[i];
            if (entry.GetName().CompareNoCase("[rowcount]") != 0 &&
                entry.GetName().CompareNoCase("[rownumber]") != 0)
                entry.FreeValue();
        }
    }
}
