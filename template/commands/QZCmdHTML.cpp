#include "template/commands/QZCmdHTML.h"

IMPLEMENT_DYNAMIC(QZCmdHTML, QZCommandBase)

QZCmdHTML::QZCmdHTML(QZVantrelContext* context, const CString& text)
    : QZCommandBase(context), m_text(text) {}

void QZCmdHTML::WriteSource(CString& text) {
    text += m_text;
}

void QZCmdHTML::Execute() {
    QZCommandBase::Execute();
    Write(m_text);
}
