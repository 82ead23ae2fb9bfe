#include "template/commands/QZCmdRepeat.h"

#include "template/commands/QZFlowParts.h"
#include "template/commands/QZRunLimit.h"
#include "template/expressions/QZExprContext.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdRepeat, QZCommandBase)

QZCmdRepeat::QZCmdRepeat(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context) {
    m_source = arguments;
    m_pExprContext = QZFlowParts::MakeLocal(context, arguments, TRUE);
}

QZCmdRepeat::~QZCmdRepeat() = default;

QZCommandBase* QZCmdRepeat::Make(QZVantrelContext* context, const CString& arguments) {
    return new QZCmdRepeat(context, arguments);
}

CString QZCmdRepeat::GetSkeleton() {
    return "<<repeat>>\r\n<<until ???"
           ">>";
}

void QZCmdRepeat::WriteSource(CString& text) {
    if (QZFlowParts::WritesBlocks(m_pContext)) {
        text += "<<repeat>>";
        if (m_pBody != nullptr)
            m_pBody->WriteSource(text);
    }
    text += "<<until " + QZFlowParts::TranslatedText(m_pExprContext) + ">>";
}

void QZCmdRepeat::Execute() {
    QZCommandBase::Execute();
    QZSymbol* condition = QZFlowParts::FirstResult(m_pExprContext);
    if (condition == nullptr) {
        Error("repeat statement requires a conditional expression");
        return;
    }
    QZRunLimit limit(m_pRunOwner);
    do {
        if (m_pBody != nullptr)
            m_pBody->Execute();
        m_pExprContext->Execute();
    } while (!condition->IsTrue() && limit.AllowsTurn());
    if (!condition->IsTrue())
        Error("infinite repeat loop");
}

BOOL QZCmdRepeat::SetBody(QZVantrelStmtContext* context) {
    if (m_pBody != nullptr)
        return FALSE;
    context->SetOwningCommand(this);
    m_pBody.reset(context);
    return TRUE;
}
