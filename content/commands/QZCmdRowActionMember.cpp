#include "content/commands/QZCmdRowActionMember.h"

#include "content/commands/QZCommandKey.h"
#include "platform/dao/CaughtDaoError.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/data/CActionSet.h"
#include "template/parser/QZVantrelContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZCmdRowActionMember, QZCmdRowAction)

namespace {
// The item "name=value" of a parameter text whose name is `name` (any case); empty for none.
CString FindItem(const CString& list, const CString& name) {
    CString rest = list;
    CString itemName;
    CString value;
    while (QZCommandBase::NextAttribute(rest, itemName, value)) {
        if (itemName.CompareNoCase(name) == 0)
            return value.IsEmpty() ? itemName : itemName + "=" + value;
    }
    return CString();
}
} // namespace

QZCmdRowActionMember::QZCmdRowActionMember(QZVantrelContext* context, const CString& arguments,
                                           const Member& member)
    : QZCmdRowAction(context, arguments), m_member(member) {}

QZCmdRowActionMember::~QZCmdRowActionMember() = default;

void QZCmdRowActionMember::WriteSource(CString& text) {
    text += CString("<<") + m_member.keyword + " " + GetArguments()->GetTranslatedText() + ">>";
}

BOOL QZCmdRowActionMember::CheckParameters() {
    if (!QZCmdRowAction::CheckParameters())
        return FALSE;
    if (!IsArrayMember())
        return TRUE;
    QZSymbol* source = FindNamedParam("source", QZSymbol::TYPE_ARRAY);
    if (source == nullptr || source->GetArray() == nullptr)
        return FALSE;
    m_pRows = std::make_unique<SymbolTable>();
    *m_pRows = *source->GetArray();
    return TRUE;
}

void QZCmdRowActionMember::ExecuteAction() {
    if (!CheckParameters()) {
        FreeActionSet();
        return;
    }
    try {
        if (IsArrayMember())
            RunRows();
        else
            RunSingleRow();
    } catch (CDaoException* e) {
        SetEngineError(e);
    }
    FreeActionSet();
}

void QZCmdRowActionMember::RunSingleRow() {
    SymbolTable* parameters = GetArguments()->GetSymbolTable();
    if (!m_pActionSet->Prepare(m_pSiteDb, m_queryKey, parameters)) {
        m_pContext->GetSymbolTable()->SetString("DbError", m_member.invalidKey);
        return;
    }
    CString failure = ApplyOperation(parameters);
    if (failure.IsEmpty())
        SetResult(CString(), CString());
    else
        SetResult(failure, "MQ Error");
}

void QZCmdRowActionMember::RunRows() {
    if (!m_pActionSet->Prepare(m_pSiteDb, m_queryKey, nullptr)) {
        m_pContext->GetSymbolTable()->SetString("DbError", m_member.invalidKey);
        return;
    }
    SymbolTable* parameters = GetArguments()->GetSymbolTable();
    CString failures;
    LONG failed = 0;
    // The elements in index order; an index without a value, or a value that is no record,
    // is no row.
    for (LONG index = 1; index <= m_pRows->GetCount(); index++) {
        QZSymbol* element = m_pRows->GetElement(index, FALSE);
        if (element == nullptr || element->GetType() != QZSymbol::TYPE_RECORD)
            continue;
        // The command's parameters stand in for the fields the record lacks.
        SymbolTable row(parameters);
        row = *element->GetRecord();
        CString failure = ApplyOperation(&row);
        if (!failure.IsEmpty()) {
            failures += failure + "<br>";
            failed++;
        }
    }
    if (failed == 0) {
        SetResult(CString(), CString());
        return;
    }
    CString text;
    text.Format(m_member.arrayFailure, failed);
    SetResult(text + failures, "MQ Error");
}

CString QZCmdRowActionMember::ApplyOperation(SymbolTable* variables) {
    // The set goes through a local: g++ 12's undefined-behaviour instrumentation of a
    // pointer-to-member call on a member expression reads a register it never set.
    CActionSet& set = *m_pActionSet;
    return (set.*m_member.operation)(variables);
}

void QZCmdRowActionMember::SetResult(const CString& error, const CString& code) {
    SymbolTable* scope = m_pContext->GetSymbolTable();
    scope->SetString("DbError", error);
    scope->SetString("DbErrorCode", code);
}

void QZCmdRowActionMember::SetEngineError(CDaoException* e) {
    CaughtDaoError error(e);
    const LONG code = error.Code();
    const CString description = code != 0 ? error.Message() : CString();
    SymbolTable* scope = m_pContext->GetSymbolTable();
    scope->SetString("DbError", m_member.failurePrefix + description);
    scope->SetInteger("DbErrorCode", code);
}

void QZCmdRowActionMember::FreeActionSet() {
    delete m_pActionSet;
    m_pActionSet = nullptr;
}

CString QZCmdRowActionMember::EditProperties() {
    CheckParameters();
    CString keyText;
    CString rest;
    QZCommandKey::SplitAtComma(m_source, QZCommandKey::CountParameters(*this), keyText, rest);
    CString source;
    if (IsArrayMember()) {
        source = FindItem(rest, "source");
        rest = RemoveAttribute(rest, "source");
    }
    QZCommandDialogs& dialogs = GetCommandDialogs();
    int answer = IsArrayMember() ? dialogs.MultiActionProps(*this, keyText, rest)
                                 : dialogs.ActionProps(*this, keyText, rest);
    m_properties.Empty();
    if (answer == IDOK) {
        // The dialog never sees the rows' source: it goes back unless the dialog named one.
        if (!source.IsEmpty() && FindItem(rest, "source").IsEmpty())
            rest = rest.IsEmpty() ? source : rest + "," + source;
        m_properties = QZCommandKey::Rebuild(m_member.keyword, m_queryKey, rest);
    }
    FreeActionSet();
    return m_properties;
}
