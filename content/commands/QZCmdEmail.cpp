#include "content/commands/QZCmdEmail.h"

#include "content/QZVantrelMessage.h"
#include "content/commands/QZCommandKey.h"
#include "platform/core/CException.h"
#include "template/commands/QZArgumentContext.h"

IMPLEMENT_DYNAMIC(QZCmdEmail, QZCmdFunction)

QZCmdEmail::QZCmdEmail(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_MESSAGE), m_messageKey(-1, -1, OBJ_MESSAGE) {}

QZCmdEmail::~QZCmdEmail() = default;

void QZCmdEmail::WriteSource(CString& text) {
    text += "<<email " + GetArguments()->GetTranslatedText() + ">>";
}

void QZCmdEmail::Execute() {
    QZCommandKey::Take(*this, OBJ_MESSAGE, m_pKeyEntry);
}

BOOL QZCmdEmail::CheckParameters() {
    m_messageKey = QZCommandKey::Take(*this, OBJ_MESSAGE, m_pKeyEntry);
    m_pMessage.reset();
    if (m_messageKey.m_KeyID < 1) {
        Error("email: no valid message ID specified");
        return FALSE;
    }
    try {
        // The message's text sees the command's parameters as variables.
        m_pMessage = std::make_unique<QZVantrelMessage>(m_messageKey, FALSE, GetArguments());
    } catch (CException* e) {
        e->Delete();
    }
    if (m_pMessage == nullptr || !m_pMessage->IsLoaded()) {
        m_pMessage.reset();
        QZCommandKey::ReportInvalid(*this, "email: invalid message ID %s=%s specified",
                                    "email: invalid message ID %s specified", m_pKeyEntry,
                                    m_messageKey);
        return FALSE;
    }
    return TRUE;
}

void QZCmdEmail::ExecuteAction() {
    if (!CheckParameters())
        return;
    m_pMessage->Compile();
    m_pMessage.reset();
}

CString QZCmdEmail::EditProperties() {
    return m_properties;
}
