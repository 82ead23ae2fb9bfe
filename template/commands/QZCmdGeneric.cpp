#include "template/commands/QZCmdGeneric.h"

#include "template/commands/QZArgumentContext.h"

IMPLEMENT_DYNAMIC(QZCmdGeneric, QZCmdFunction)

QZCmdGeneric::QZCmdGeneric(QZVantrelContext* context, const CString& word, const CString& arguments)
    : QZCmdFunction(context, arguments, -1), m_word(word) {}

void QZCmdGeneric::WriteSource(CString& text) {
    text += "<<" + m_word + " " + GetArguments()->GetTranslatedText() + ">>";
}
