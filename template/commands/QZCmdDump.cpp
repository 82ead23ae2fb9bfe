#include "template/commands/QZCmdDump.h"

#include "template/parser/QZVantrelContext.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZCmdDump, QZCommandBase)

QZCmdDump::QZCmdDump(QZVantrelContext* context) : QZCommandBase(context) {}

void QZCmdDump::WriteSource(CString& text) {
    text += "<<dump>>";
}

void QZCmdDump::Execute() {
    if (SymbolTable* table = m_pContext->GetSymbolTable())
        Write(table->Dump());
}
