#include "template/commands/QZCmdAttach.h"

#include "template/commands/QZArgumentContext.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdAttach, QZCmdFunction)

QZCmdAttach::QZCmdAttach(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, -1) {}

void QZCmdAttach::WriteSource(CString& text) {
    text += "<<attach " + GetArguments()->GetTranslatedText() + ">>";
}

void QZCmdAttach::Execute() {
    CheckParameters();
}

BOOL QZCmdAttach::CheckParameters() {
    QZCommandBase::Execute();
    m_attachment.Empty();
    if (QZSymbol* file = FindParam(CString(), QZSymbol::TYPE_STRING))
        m_attachment = file->GetString();
    if (m_attachment.IsEmpty()) {
        Error("attach: no valid attachment specified");
        return FALSE;
    }
    return TRUE;
}
