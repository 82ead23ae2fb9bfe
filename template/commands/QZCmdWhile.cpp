#include "template/commands/QZCmdWhile.h"

#include "template/commands/QZFlowParts.h"
#include "template/commands/QZRunLimit.h"
#include "template/expressions/QZExprContext.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdWhile, QZCommandBase)

QZCmdWhile::QZCmdWhile(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context), m_pBody(std::make_unique<QZVantrelStmtContext>(context, this)) {
    m_source = arguments;
    m_pExprContext = QZFlowParts::MakeLocal(context, arguments, TRUE);
}

QZCmdWhile::~QZCmdWhile() = default;

QZCommandBase* QZCmdWhile::Make(QZVantrelContext* context, const CString& arguments) {
    return new QZCmdWhile(context, arguments);
}

CString QZCmdWhile::GetSkeleton() {
    return "<<while ???"
           ">>\r\n<</while>>";
}

void QZCmdWhile::WriteSource(CString& text) {
    text += "<<while " + QZFlowParts::TranslatedText(m_pExprContext) + ">>";
    if (!QZFlowParts::WritesBlocks(m_pContext))
        return;
    m_pBody->WriteSource(text);
    if (m_bClosed)
        text += "<</while>>";
}

void QZCmdWhile::Execute() {
    QZCommandBase::Execute();
    QZSymbol* condition = QZFlowParts::FirstResult(m_pExprContext);
    if (condition == nullptr) {
        Error("while statement requires a conditional expression");
        return;
    }
    QZRunLimit limit(m_pRunOwner);
    while (condition->IsTrue() && limit.AllowsTurn()) {
        m_pBody->Execute();
        m_pExprContext->Execute();
    }
    if (condition->IsTrue())
        Error("infinite while loop");
}

QZVantrelStmtContext* QZCmdWhile::GetSection(Section section) {
    return section == SECTION_BODY ? m_pBody.get() : nullptr;
}

void QZCmdWhile::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDWHILE)
        m_bClosed = TRUE;
}
