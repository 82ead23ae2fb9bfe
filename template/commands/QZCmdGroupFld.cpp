#include "template/commands/QZCmdGroupFld.h"

#include "template/expressions/QZLocalExprContext.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZCmdGroupFld, QZCommandBase)

QZCmdGroupFld::QZCmdGroupFld(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context) {
    m_source = arguments;
    m_pExprContext = new QZLocalExprContext(context);
    m_pExprContext->Parse(arguments);
    m_pBody = std::make_unique<QZVantrelStmtContext>(m_pExprContext, this);
}

QZCmdGroupFld::~QZCmdGroupFld() {
    m_pBody.reset();
    m_lastValue.Clear();
}

// Modes 1 and 2 write a block's opening word alone.
void QZCmdGroupFld::WriteSource(CString& text) {
    auto* arguments = static_cast<QZExprContext*>(m_pExprContext);
    text += "<<group " + arguments->GetTranslatedText() + ">>";
    SHORT mode = m_pContext->GetMode();
    if (mode == QZVantrelContext::MODE_FIRST || mode == QZVantrelContext::MODE_PLAIN)
        return;
    m_pBody->WriteSource(text);
    text += "<</group>>";
}

QZVantrelStmtContext* QZCmdGroupFld::GetSection(Section section) {
    return section == SECTION_BODY ? m_pBody.get() : nullptr;
}

COleVariant QZCmdGroupFld::GroupingValue(QZSymbol* entry) {
    COleVariant value;
    switch (entry->GetType()) {
    case QZSymbol::TYPE_INTEGER:
    case QZSymbol::TYPE_CURRENCY:
    case QZSymbol::TYPE_DOUBLE:
    case QZSymbol::TYPE_DATE:
    case QZSymbol::TYPE_STRING:
    case QZSymbol::TYPE_KEY:
        value = entry->GetVariant();
        break;
    case QZSymbol::TYPE_NULL:
        value.vt = VT_NULL;
        break;
    default:
        break;
    }
    return value;
}

BOOL QZCmdGroupFld::OnFirstRow() const {
    SymbolTable* fields = static_cast<QZExprContext*>(m_pExprContext)->GetFieldTable();
    QZSymbol* row = fields != nullptr ? fields->Find("[rownumber]", FALSE) : nullptr;
    return row != nullptr && row->HasValue() && row->GetType() == QZSymbol::TYPE_INTEGER &&
           row->GetInteger() == 1;
}

void QZCmdGroupFld::Execute() {
    QZCommandBase::Execute();
    QZBlockList* results = static_cast<QZExprContext*>(m_pExprContext)->GetResults();
    if (results == nullptr || results->GetCount() == 0) {
        Error("group: no grouping expression specified");
        return;
    }
    QZSymbol* entry = results->GetHead()->item;
    if (entry != nullptr && entry->GetType() == QZSymbol::TYPE_REFERENCE)
        entry = entry->GetReference();
    if (entry == nullptr) {
        Error("print: no expression to print");
        return;
    }
    // A query that starts again shows its first heading again.
    if (OnFirstRow())
        m_lastValue.Clear();
    COleVariant value = GroupingValue(entry);
    if (m_lastValue.vt == VT_EMPTY || value != m_lastValue)
        m_pBody->Execute();
    m_lastValue = value;
}
