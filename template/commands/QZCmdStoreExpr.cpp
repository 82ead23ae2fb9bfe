#include "template/commands/QZCmdStoreExpr.h"

#include "template/commands/QZFlowParts.h"
#include "template/expressions/QZExprContext.h"

IMPLEMENT_DYNAMIC(QZCmdStoreExpr, QZCommandBase)

QZCmdStoreExpr::QZCmdStoreExpr(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context) {
    m_source = arguments;
    m_pExprContext = QZFlowParts::MakeLocal(context, arguments, FALSE);
}

QZCommandBase* QZCmdStoreExpr::Make(QZVantrelContext* context, const CString& arguments) {
    return new QZCmdStoreExpr(context, arguments);
}

CString QZCmdStoreExpr::GetSkeleton() {
    return "<<set ???"
           "=???"
           ">>";
}

void QZCmdStoreExpr::WriteSource(CString& text) {
    text += "<<set " + QZFlowParts::TranslatedText(m_pExprContext) + ">>";
}
