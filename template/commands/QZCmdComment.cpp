#include "template/commands/QZCmdComment.h"

IMPLEMENT_DYNAMIC(QZCmdComment, QZCommandBase)

QZCmdComment::QZCmdComment(QZVantrelContext* context, const CString& text)
    : QZCommandBase(context), m_text(text) {}

void QZCmdComment::WriteSource(CString& text) {
    text += m_text;
}
