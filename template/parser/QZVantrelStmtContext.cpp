#include "template/parser/QZVantrelStmtContext.h"

QZVantrelStmtContext::QZVantrelStmtContext(QZVantrelContext* parent, QZCommandBase* owner)
    : QZVantrelContext(parent), m_pOwningCommand(owner) {
    if (parent != nullptr)
        m_pSymbolTable = parent->GetSymbolTable();
}
