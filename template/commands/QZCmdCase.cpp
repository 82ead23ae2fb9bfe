#include "template/commands/QZCmdCase.h"

#include "template/commands/QZArgumentContext.h"
#include "template/expressions/QZLocalExprContext.h"
#include "template/values/QZBlockList.h"

IMPLEMENT_DYNAMIC(QZCmdCase, QZCommandBase)

QZCmdCase::QZCmdCase(QZVantrelContext* context, const CString& arguments) : QZCommandBase(context) {
    m_source = arguments;
    m_pExprContext = new QZLocalExprContext(context);
    m_pExprContext->Parse(arguments);
}

void QZCmdCase::WriteSource(CString& text) {
    auto* arguments = static_cast<QZArgumentContext*>(m_pExprContext);
    text += "<<is " + arguments->GetTranslatedText() + ">>";
}

void QZCmdCase::Execute() {
    QZCommandBase::Execute();
    QZBlockList* values = GetValues();
    if (values == nullptr || values->GetCount() == 0)
        Error("is expression has no values");
}

QZBlockList* QZCmdCase::GetValues() const {
    return static_cast<QZArgumentContext*>(m_pExprContext)->GetResults();
}
