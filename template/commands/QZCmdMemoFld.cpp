#include "template/commands/QZCmdMemoFld.h"

#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZInterpretOwner.h"
#include "template/expressions/QZLocalExprContext.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdMemoFld, QZCommandBase)

namespace {
// How deep interpreted text runs now, across every interpret command of the program.
int g_depth = 0;
} // namespace

QZCmdMemoFld::QZCmdMemoFld(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context) {
    m_source = arguments;
    m_pExprContext = new QZLocalExprContext(context);
    m_pExprContext->Parse(arguments);
}

void QZCmdMemoFld::WriteSource(CString& text) {
    auto* arguments = static_cast<QZArgumentContext*>(m_pExprContext);
    text += "<<interpret " + arguments->GetTranslatedText() + ">>";
}

void QZCmdMemoFld::Execute() {
    QZCommandBase::Execute();
    QZBlockList* results = static_cast<QZArgumentContext*>(m_pExprContext)->GetResults();
    if (results == nullptr || results->GetCount() == 0)
        return;
    QZSymbol* value = results->GetHead()->item;
    if (value != nullptr && value->GetType() == QZSymbol::TYPE_REFERENCE)
        value = value->GetReference();
    if (value == nullptr) {
        Error("print: no expression to print");
        return;
    }
    if (!CheckValue(value))
        return;
    if (value->GetType() == QZSymbol::TYPE_STRING) {
        Interpret(value->GetString());
        return;
    }
    Write(ValueText(value));
}

CString QZCmdMemoFld::ValueText(QZSymbol* value) {
    CString text;
    switch (value->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        text.Format("%d", value->GetInteger());
        break;
    case QZSymbol::TYPE_CURRENCY:
        text = "$" + value->GetCurrency().Format();
        break;
    case QZSymbol::TYPE_DOUBLE:
        text.Format("%g", value->GetDouble());
        break;
    case QZSymbol::TYPE_DATE:
        if (value->GetName() == "Date")
            text = value->GetDate().Format("%b %d, %Y");
        else if (value->GetName() == "Time")
            text = value->GetDate().Format("%H:%M:%S");
        else
            text = value->GetDate().Format("%a %b %d %Y %H:%M:%S");
        break;
    case QZSymbol::TYPE_KEY:
        text = value->GetKey().Format();
        break;
    default:
        break;
    }
    return text;
}

// The text is parsed again at every run. Its commands write to the same output and read and
// set the variables of the command's scope; the variables it makes itself go with its parser.
void QZCmdMemoFld::Interpret(const CString& text) {
    if (g_depth >= kMaxDepth) {
        Error("interpret: interpreted text nested too deeply");
        return;
    }
    QZVantrelMemoFld parser(m_pExprContext);
    QZTemplateRunOwner* owner = parser.GetMessageOwner();
    QZInterpretOwner messages(owner, &parser, m_nLine);
    if (owner != nullptr)
        parser.SetMessageOwner(&messages);
    g_depth++;
    try {
        parser.Parse(text);
        parser.Execute();
    } catch (...) {
        g_depth--;
        throw;
    }
    g_depth--;
}
