#include "content/commands/QZCmdExecQuery.h"

#include "content/commands/QZCommandKey.h"
#include "db/QZApplication.h"
#include "platform/core/CException.h"
#include "template/commands/QZArgumentContext.h"
#include "template/data/CActionSet.h"
#include "template/expressions/QZQueryExprContext.h"

IMPLEMENT_DYNAMIC(QZCmdExecQuery, QZCommandBase)

QZCmdExecQuery::QZCmdExecQuery(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context), m_queryKey(-1, -1, OBJ_QUERY) {
    m_source = arguments;
    auto* query = new QZQueryExprContext(context);
    m_pExprContext = query;
    query->SetDefaultKeyType(OBJ_QUERY);
    query->Parse(arguments);
}

QZCmdExecQuery::~QZCmdExecQuery() = default;

void QZCmdExecQuery::WriteSource(CString& text) {
    text += "<<execquery " + static_cast<QZArgumentContext*>(m_pExprContext)->GetTranslatedText() +
            ">>";
}

void QZCmdExecQuery::Execute() {
    QZCommandKey::Take(*this, OBJ_QUERY, m_pKeyEntry);
}

BOOL QZCmdExecQuery::CheckParameters() {
    m_queryKey = QZCommandKey::Take(*this, OBJ_QUERY, m_pKeyEntry);
    m_pActionSet.reset();
    if (m_queryKey.m_KeyID < 1) {
        Error("execquery: no valid query specified");
        return FALSE;
    }
    QZApplication* app = GetVantrelApp();
    m_pSiteDb = app != nullptr ? &app->GetVantrelDb() : nullptr;
    m_pActionSet = std::make_unique<CActionSet>();
    return TRUE;
}

void QZCmdExecQuery::ExecuteAction() {
    if (!CheckParameters())
        return;
    // The query's parameters are the variables the command's list set.
    SymbolTable* parameters = m_pExprContext->GetSymbolTable();
    try {
        if (!m_pActionSet->Prepare(m_pSiteDb, m_queryKey, parameters))
            Error("execquery: database exception (querykey = %s)", m_queryKey.FormatFull());
        else
            m_pActionSet->ExecuteQuery(parameters);
    } catch (CException* e) {
        e->Delete();
        Error("execquery: database exception (querykey = %s)", m_queryKey.FormatFull());
    }
    m_pActionSet.reset();
}
