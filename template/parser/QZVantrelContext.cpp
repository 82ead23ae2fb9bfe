#include "template/parser/QZVantrelContext.h"

#include "db/QZKeyCombo.h"
#include "template/commands/QZCommandBase.h"
#include "template/parser/QZTemplateRunOwner.h"

QZVantrelContext::QZVantrelContext(QZVantrelContext* parent) : m_pParent(parent) {
    if (parent == nullptr)
        return;
    m_pMessageOwner = parent->m_pMessageOwner;
    m_pRunOwner = parent->m_pRunOwner;
    m_pPageOwner = parent->m_pPageOwner;
    m_pQueryContext = parent->m_pQueryContext;
    m_pMessageTarget = parent->m_pMessageTarget;
    m_bTranslate = parent->m_bTranslate;
    m_pKeyTable = parent->m_pKeyTable;
    m_nMode = parent->m_nMode;
}

QZVantrelContext::~QZVantrelContext() {
    DeleteStatements();
}

void QZVantrelContext::Execute() {
    // A form or event running on behalf of another context runs only its actions.
    BOOL actionPass =
        m_pRunOwner != nullptr &&
        (m_pRunOwner->GetObjectType() == OBJ_FORM || m_pRunOwner->GetObjectType() == OBJ_EVENT) &&
        m_pRunOwner->GetCallingContext() != nullptr;
    for (QZCommandBase* command = m_pHead; command != nullptr;) {
        if (actionPass)
            command->ExecuteAction();
        else
            command->Execute();
        command = command->GetNext();
    }
    if (m_pRunOwner != nullptr)
        m_pRunOwner->CountRun();
}

void QZVantrelContext::WriteSource(CString& text) {
    for (QZCommandBase* command = m_pHead; command != nullptr; command = command->GetNext())
        command->WriteSource(text);
}

void QZVantrelContext::AddStatement(QZCommandBase* command) {
    if (m_pHead == nullptr)
        m_pHead = command;
    else
        m_pTail->SetNext(command);
    m_pTail = command;
}

void QZVantrelContext::DeleteStatements() {
    QZCommandBase* command = m_pHead;
    m_pHead = m_pTail = nullptr;
    QZCommandBase::DeleteChain(command);
}
