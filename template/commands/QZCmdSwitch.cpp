#include "template/commands/QZCmdSwitch.h"

#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZFlowParts.h"
#include "template/expressions/QZExprContext.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdSwitch, QZCommandBase)

namespace {
QZSymbol* Follow(QZSymbol* entry) {
    if (entry != nullptr && entry->GetType() == QZSymbol::TYPE_REFERENCE)
        return entry->GetReference();
    return entry;
}
} // namespace

QZCmdSwitch::QZCmdSwitch(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context) {
    m_source = arguments;
    m_pExprContext = QZFlowParts::MakeLocal(context, arguments, FALSE);
}

QZCmdSwitch::~QZCmdSwitch() = default;

QZCommandBase* QZCmdSwitch::Make(QZVantrelContext* context, const CString& arguments) {
    return new QZCmdSwitch(context, arguments);
}

CString QZCmdSwitch::GetSkeleton() {
    return "<<when ???"
           ">>\r\n\t<<is ???"
           ">>\r\n\t<<is otherwise>>\r\n<</when>>";
}

void QZCmdSwitch::WriteSource(CString& text) {
    text += "<<when " + QZFlowParts::TranslatedText(m_pExprContext) + ">>";
    if (!QZFlowParts::WritesBlocks(m_pContext))
        return;
    for (int i = 0; i < GetCaseCount(); i++)
        m_pCases->GetAt(i)->WriteSource(text);
    if (m_bClosed)
        text += "<</when>>";
}

void QZCmdSwitch::Execute() {
    QZCommandBase::Execute();
    QZSymbol* selector = Follow(QZFlowParts::FirstResult(m_pExprContext));
    if (m_pCases == nullptr) {
        Error("when statement has no is clauses");
        return;
    }
    for (int i = 0; i < m_pCases->GetCount(); i++) {
        QZVantrelContext* clause = m_pCases->GetAt(i);
        QZBlockList* values = RunCase(clause);
        if (values == nullptr)
            continue;
        for (QZBlockList::Node* node = values->GetHead(); node != nullptr; node = node->next) {
            if (Matches(selector, node->item)) {
                clause->Execute();
                return;
            }
        }
    }
}

QZBlockList* QZCmdSwitch::RunCase(QZVantrelContext* clause) {
    QZCommandBase* head = clause->GetFirstStatement();
    // The is command is the clause's head and the one statement with a value list there.
    auto* values =
        head != nullptr ? dynamic_cast<QZArgumentContext*>(head->GetExprContext()) : nullptr;
    if (values == nullptr)
        return nullptr;
    head->Execute();
    return values->GetResults();
}

BOOL QZCmdSwitch::Matches(const QZSymbol* selector, QZSymbol* value) {
    if (value == nullptr)
        return FALSE;
    QZSymbol* target = Follow(value);
    if (selector == nullptr || target == nullptr || target->GetType() != selector->GetType())
        return value->GetName().CompareNoCase("otherwise") == 0;
    switch (selector->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        return target->GetInteger() == selector->GetInteger();
    case QZSymbol::TYPE_CURRENCY: {
        COleCurrency a = target->GetCurrency();
        COleCurrency b = selector->GetCurrency();
        return a.m_cur.int64 == b.m_cur.int64 && a.GetStatus() == b.GetStatus();
    }
    case QZSymbol::TYPE_DOUBLE:
        return target->GetDouble() == selector->GetDouble();
    case QZSymbol::TYPE_DATE:
        return target->GetDate() == selector->GetDate();
    case QZSymbol::TYPE_STRING:
        return target->GetString() == selector->GetString();
    case QZSymbol::TYPE_KEY: {
        QZKeyCombo a = target->GetKey();
        QZKeyCombo b = selector->GetKey();
        return a.m_DbID == b.m_DbID && a.m_KeyID == b.m_KeyID;
    }
    default:
        return FALSE;
    }
}

BOOL QZCmdSwitch::AddCase(QZVantrelStmtContext* context) {
    if (m_pCases == nullptr)
        m_pCases = std::make_unique<QZContextList>();
    m_pCases->AddTail(context);
    return TRUE;
}

void QZCmdSwitch::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDWHEN)
        m_bClosed = TRUE;
}
