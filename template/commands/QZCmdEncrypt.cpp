#include "template/commands/QZCmdEncrypt.h"

#include "template/parser/QZVantrelStmtContext.h"

IMPLEMENT_DYNAMIC(QZCmdEncrypt, QZCommandBase)

QZCmdEncrypt::QZCmdEncrypt(QZVantrelContext* context)
    : QZCommandBase(context), m_pBody(std::make_unique<QZVantrelStmtContext>(context, this)) {}

QZCmdEncrypt::~QZCmdEncrypt() = default;

// Modes 1 and 2 write a block's opening word alone.
void QZCmdEncrypt::WriteSource(CString& text) {
    text += "<<Encrypt>>";
    SHORT mode = m_pContext->GetMode();
    if (mode == QZVantrelContext::MODE_FIRST || mode == QZVantrelContext::MODE_PLAIN)
        return;
    m_pBody->WriteSource(text);
    text += "<</Encrypt>>";
}

void QZCmdEncrypt::Execute() {
    QZCommandBase::Execute();
    WriteText("Encrypt\n");
    m_pBody->Execute();
    WriteText("\n.\n");
}

QZVantrelStmtContext* QZCmdEncrypt::GetSection(Section section) {
    return section == SECTION_BODY ? m_pBody.get() : nullptr;
}
