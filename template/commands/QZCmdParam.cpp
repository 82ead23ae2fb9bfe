#include "template/commands/QZCmdParam.h"

#include "template/commands/QZArgumentContext.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdParam, QZCmdFunction)

QZCmdParam::QZCmdParam(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, -1) {}

void QZCmdParam::WriteSource(CString& text) {
    text += "<<param " + GetArguments()->GetTranslatedText() + ">>";
}

BOOL QZCmdParam::CheckParameters() {
    QZCommandBase::Execute();
    if (QZSymbol* type = FindNamedParam("type", QZSymbol::TYPE_STRING))
        m_type = type->GetString();
    if (QZSymbol* valueType = FindNamedParam("valuetype", QZSymbol::TYPE_STRING))
        m_valueType = valueType->GetString();
    return TRUE;
}

void QZCmdParam::Execute() {
    if (!CheckParameters())
        return;
    // Without an expression there is no name to write: the command writes nothing.
    QZSymbol* result = GetArguments()->GetResult();
    if (result == nullptr)
        return;
    CString value;
    switch (result->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        value.Format("%ld", result->GetInteger());
        break;
    case QZSymbol::TYPE_DOUBLE:
        value.Format("%g", result->GetDouble());
        break;
    case QZSymbol::TYPE_STRING:
        value = "\"" + result->GetString() + "\"";
        break;
    default:
        break;
    }
    WriteText("<param name=\"");
    Write(result->GetName());
    WriteText("\" value=");
    Write(value);
    if (!m_type.IsEmpty())
        Write(" type=\"" + m_type + "\"");
    if (!m_valueType.IsEmpty())
        Write(" valuetype=\"" + m_valueType + "\"");
    WriteText(">");
}
