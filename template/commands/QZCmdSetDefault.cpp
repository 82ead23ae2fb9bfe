#include "template/commands/QZCmdSetDefault.h"

#include "template/commands/QZFlowParts.h"
#include "template/expressions/QZExprStmt.h"
#include "template/expressions/QZLocalExprContext.h"

IMPLEMENT_DYNAMIC(QZCmdSetDefault, QZCommandBase)

QZCmdSetDefault::QZCmdSetDefault(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context) {
    m_source = arguments;
    auto* expression = new QZLocalExprContext(context);
    expression->SetAssignmentCode(QZExprStmt::OP_INIT);
    m_pExprContext = expression;
    expression->Parse(arguments);
}

QZCommandBase* QZCmdSetDefault::Make(QZVantrelContext* context, const CString& arguments) {
    return new QZCmdSetDefault(context, arguments);
}

CString QZCmdSetDefault::GetSkeleton() {
    return "<<setdefault ???"
           "=???"
           ">>";
}

void QZCmdSetDefault::WriteSource(CString& text) {
    text += "<<setdefault " + QZFlowParts::TranslatedText(m_pExprContext) + ">>";
}
