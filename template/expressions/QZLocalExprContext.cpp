#include "template/expressions/QZLocalExprContext.h"

QZLocalExprContext::QZLocalExprContext(QZVantrelContext* parent) : QZExprContext(parent) {
    if (parent != nullptr)
        m_pSymbolTable = parent->GetSymbolTable();
}
