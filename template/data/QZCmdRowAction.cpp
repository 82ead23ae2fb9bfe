#include "template/data/QZCmdRowAction.h"

#include "db/QZApplication.h"
#include "platform/dao/CDaoException.h"
#include "template/commands/QZArgumentContext.h"
#include "template/data/CActionSet.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZCmdRowAction, QZCmdFunction)

QZCmdRowAction::QZCmdRowAction(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_QUERY), m_queryKey(0, 0) {}

QZCmdRowAction::~QZCmdRowAction() {
    delete m_pActionSet;
}

void QZCmdRowAction::Execute() {
    if (m_pRunOwner != nullptr && m_pRunOwner->IsPreview())
        return;
    ExecuteAction();
}

CActionSet* QZCmdRowAction::MakeActionSet() {
    return new CActionSet();
}

BOOL QZCmdRowAction::CheckParameters() {
    QZCommandBase::Execute();
    QZSymbol* parameter = FindPositionalParam(1, QZSymbol::TYPE_KEY);
    if (parameter != nullptr) {
        m_queryKey = parameter->GetKey();
    } else if ((parameter = FindPositionalParam(1, QZSymbol::TYPE_STRING)) != nullptr) {
        m_queryKey = QZKeyCombo(parameter->GetString());
    } else {
        m_queryKey = QZKeyCombo(-1, -1);
    }
    if (m_queryKey.m_KeyID <= 0) {
        Error("row action: no valid query key specified");
        return FALSE;
    }
    QZApplication* app = GetVantrelApp();
    m_pSiteDb = app != nullptr ? &app->GetVantrelDb() : nullptr;
    delete m_pActionSet;
    m_pActionSet = nullptr;
    try {
        m_pActionSet = MakeActionSet();
    } catch (CDaoException* e) {
        e->Delete();
        // A parameter `name = key` lives in the command's own scope.
        SymbolTable* own = GetArguments()->GetSymbolTable();
        BOOL named = !parameter->GetName().IsEmpty() && own != nullptr &&
                     own->Find(parameter->GetName(), FALSE) == parameter;
        if (named)
            Error("row action: invalid query key %s=%s specified", parameter->GetName(),
                  m_queryKey.FormatFull());
        else
            Error("row action: invalid query key %s specified", m_queryKey.FormatFull());
        return FALSE;
    }
    return TRUE;
}
