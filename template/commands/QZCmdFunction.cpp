#include "template/commands/QZCmdFunction.h"

#include "template/commands/QZArgumentContext.h"

IMPLEMENT_DYNAMIC(QZCmdFunction, QZCommandBase)

QZCmdFunction::QZCmdFunction(QZVantrelContext* context, const CString& arguments,
                             SHORT defaultKeyType)
    : QZCommandBase(context) {
    m_source = arguments;
    QZArgumentContext* list = QZArgumentContext::MakeTemplateContext(context);
    m_pExprContext = list;
    list->SetDefaultKeyType(defaultKeyType);
    list->Parse(arguments);
}

QZArgumentContext* QZCmdFunction::GetArguments() const {
    return static_cast<QZArgumentContext*>(m_pExprContext);
}
