#include "template/expressions/QZTemplateExprContext.h"

#include "template/commands/RegisterDataCommands.h"
#include "template/commands/RegisterFlowCommands.h"
#include "template/commands/RegisterServerCommands.h"
#include "template/values/SymbolTable.h"

QZTemplateExprContext::QZTemplateExprContext(QZVantrelContext* parent)
    : QZExprContext(parent), m_pScope(std::make_unique<SymbolTable>(
                                 parent != nullptr ? parent->GetSymbolTable() : nullptr)) {
    m_pSymbolTable = m_pScope.get();
    m_bLocalAssignment = TRUE;
}

QZTemplateExprContext::~QZTemplateExprContext() {
    // The statements go before the scope whose entries they name.
    DeleteStatements();
}

QZArgumentContext* QZTemplateExprContext::Make(QZVantrelContext* parent) {
    return new QZTemplateExprContext(parent);
}

void QZTemplateExprContext::Register() {
    QZArgumentContext::SetTemplateMaker(&QZTemplateExprContext::Make);
    RegisterDataCommands();
    RegisterFlowCommands();
    RegisterServerCommands();
}
