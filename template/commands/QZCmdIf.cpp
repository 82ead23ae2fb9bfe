#include "template/commands/QZCmdIf.h"

#include "template/commands/QZFlowParts.h"
#include "template/expressions/QZExprContext.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdIf, QZCommandBase)

QZCmdIf::QZCmdIf(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context), m_pThen(std::make_unique<QZVantrelStmtContext>(context, this)),
      m_pElse(std::make_unique<QZVantrelStmtContext>(context, this)) {
    m_source = arguments;
    m_pExprContext = QZFlowParts::MakeLocal(context, arguments, TRUE);
}

QZCmdIf::~QZCmdIf() = default;

QZCommandBase* QZCmdIf::Make(QZVantrelContext* context, const CString& arguments) {
    return new QZCmdIf(context, arguments);
}

CString QZCmdIf::GetSkeleton() {
    return "<<if ???"
           ">>\r\n<</if>>";
}

void QZCmdIf::WriteSource(CString& text) {
    text += "<<if " + QZFlowParts::TranslatedText(m_pExprContext) + ">>";
    if (!QZFlowParts::WritesBlocks(m_pContext))
        return;
    m_pThen->WriteSource(text);
    if (m_pElse->GetFirstStatement() != nullptr) {
        text += "<<else>>";
        m_pElse->WriteSource(text);
    }
    if (m_bClosed)
        text += "<</if>>";
}

void QZCmdIf::Execute() {
    QZCommandBase::Execute();
    QZSymbol* condition = QZFlowParts::FirstResult(m_pExprContext);
    if (condition == nullptr) {
        Error("if statement requires a conditional expression");
        return;
    }
    if (condition->IsTrue())
        m_pThen->Execute();
    else
        m_pElse->Execute();
}

QZVantrelStmtContext* QZCmdIf::GetSection(Section section) {
    switch (section) {
    case SECTION_BODY:
        return m_pThen.get();
    case SECTION_ELSE:
        return m_pElse.get();
    default:
        return nullptr;
    }
}

void QZCmdIf::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDIF)
        m_bClosed = TRUE;
}
