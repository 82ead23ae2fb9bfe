#include "template/commands/QZCommandBase.h"

#include "platform/core/CFile.h"
#include "template/commands/QZArgumentContext.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"

#include <cctype>

IMPLEMENT_DYNAMIC(QZCommandBase, CObject)

QZCommandBase::QZCommandBase(QZVantrelContext* context)
    : m_pPageOwner(context->GetPageOwner()), m_pRunOwner(context->GetRunOwner()),
      m_pMessageOwner(context->GetMessageOwner()), m_pMessageTarget(context->GetMessageTarget()),
      m_pContext(context) {
    QZVantrelMemoFld* parser = m_pMessageOwner != nullptr ? m_pMessageOwner->GetParser() : nullptr;
    m_nLine = parser != nullptr ? parser->GetTokenLine() : 1;
    context->AddStatement(this);
}

QZCommandBase::~QZCommandBase() {
    QZCommandBase* next = m_pNext;
    m_pNext = nullptr;
    DeleteChain(next);
    delete m_pExprContext;
}

void QZCommandBase::DeleteChain(QZCommandBase* first) {
    while (first != nullptr) {
        QZCommandBase* next = first->m_pNext;
        first->m_pNext = nullptr;
        delete first;
        first = next;
    }
}

void QZCommandBase::WriteSource(CString&) {}

void QZCommandBase::Execute() {
    if (m_pExprContext == nullptr)
        return;
    SHORT mode = m_pExprContext->GetMode();
    if (mode != QZVantrelContext::MODE_GENERATE) {
        m_pExprContext->SetMode(QZVantrelContext::MODE_GENERATE);
        m_pExprContext->Parse(m_source);
    }
    m_pExprContext->Execute();
    if (mode != QZVantrelContext::MODE_GENERATE)
        m_pExprContext->SetMode(mode);
}

void QZCommandBase::ExecuteAction() {
    Execute();
}

CString QZCommandBase::EditProperties() {
    m_properties.Empty();
    return m_properties;
}

QZVantrelStmtContext* QZCommandBase::GetSection(Section) {
    return nullptr;
}

BOOL QZCommandBase::AddCase(QZVantrelStmtContext*) {
    return FALSE;
}

BOOL QZCommandBase::SetBody(QZVantrelStmtContext*) {
    return FALSE;
}

void QZCommandBase::KeepWord(int, const CString&) {}

void QZCommandBase::Write(const CString& text) {
    if (m_pRunOwner == nullptr)
        return;
    if (m_pRunOwner->GetObjectType() == OBJ_MESSAGE) {
        if (m_pMessageTarget != nullptr)
            m_pMessageTarget->AppendOutput(text);
        return;
    }
    CFile* file = m_pRunOwner->GetOutputFile();
    if (file == nullptr || m_pRunOwner->IsOutputFailed())
        return;
    try {
        file->Write(static_cast<LPCTSTR>(text), static_cast<UINT>(text.GetLength()));
    } catch (CFileException* e) {
        // One report for the run, which fails; later output is not attempted.
        char reason[512];
        e->GetErrorMessage(reason, sizeof reason);
        e->Delete();
        m_pRunOwner->SetOutputFailed();
        Error("unable to write output: %s", reason);
    }
}

void QZCommandBase::WriteText(LPCTSTR text) {
    Write(CString(text));
}

void QZCommandBase::Error(LPCTSTR format, const CString& first, const CString& second) {
    if (m_pMessageOwner == nullptr)
        return;
    CString message;
    message.Format(format, first, second);
    m_pMessageOwner->PostEngineMessage(QZTemplateOwner::MSG_ERROR, message, m_nLine);
}

BOOL QZCommandBase::CheckValue(QZSymbol* entry) {
    if (!entry->HasValue() && entry->GetType() != QZSymbol::TYPE_NULL) {
        Error("right-hand side %s does not have a value", entry->GetName());
        return FALSE;
    }
    return TRUE;
}

QZSymbol* QZCommandBase::FindParam(const CString& name, LONG type) {
    QZSymbol* entry = name.IsEmpty() ? nullptr : FindNamedParam(name, type);
    return entry != nullptr ? entry : FindPositionalParam(1, type);
}

QZSymbol* QZCommandBase::FindNamedParam(const CString& name, LONG type) {
    auto* arguments = dynamic_cast<QZArgumentContext*>(m_pExprContext);
    QZBlockList* results = arguments != nullptr ? arguments->GetResults() : nullptr;
    return results != nullptr ? MatchType(results->FindEntry(name, FALSE), type) : nullptr;
}

QZSymbol* QZCommandBase::FindPositionalParam(LONG position, LONG type) {
    auto* arguments = dynamic_cast<QZArgumentContext*>(m_pExprContext);
    QZBlockList* results = arguments != nullptr ? arguments->GetResults() : nullptr;
    return results != nullptr ? MatchType(results->GetAt(position, FALSE, 1), type) : nullptr;
}

QZSymbol* QZCommandBase::MatchType(QZSymbol* entry, LONG type) {
    if (entry == nullptr)
        return nullptr;
    if (entry->GetType() == type)
        return entry;
    if (entry->GetType() == QZSymbol::TYPE_REFERENCE) {
        QZSymbol* target = entry->GetReference();
        if (target != nullptr && target->GetType() == type)
            return target;
    }
    return nullptr;
}

void QZCommandBase::RecordDependency(QZTemplateRunOwner* owner, const QZTemplateOwner* used) {
    if (owner == nullptr || used == nullptr || owner->GetObjectType() != OBJ_PAGE ||
        owner->IsPreview())
        return;
    owner->AddDependent(owner->GetKey(), owner->GetObjectType(), used->GetKey(),
                        used->GetObjectType());
}

const CString& QZCommandBase::URLEncode(const CString& text, BOOL encodeFirst) {
    m_encoded.Empty();
    for (int i = 0; i < text.GetLength(); i++) {
        unsigned char c = static_cast<unsigned char>(text.GetAt(i));
        // Besides the characters that carry meaning in a query string, quotes, angle
        // brackets, control characters and bytes beyond ASCII are encoded, so that the
        // result can stand in an HTML attribute and a request line.
        bool encode = (i == 0 && encodeFirst) || c < 0x20 || c >= 0x7F ||
                      CString("%&+;=?\"<>").Find(static_cast<char>(c)) >= 0;
        if (c == ' ' && !(i == 0 && encodeFirst))
            m_encoded += '+';
        else if (encode)
            m_encoded.AppendFormat("%%%02x", static_cast<int>(c));
        else
            m_encoded += static_cast<char>(c);
    }
    return m_encoded;
}

namespace {
// The index of the first of `stops` outside double quotes from `start`, or the length.
int FindOutsideQuotes(const CString& text, LPCTSTR stops, int start) {
    bool quoted = false;
    for (int i = start; i < text.GetLength(); i++) {
        char c = text.GetAt(i);
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && CString(stops).Find(c) >= 0)
            return i;
    }
    return text.GetLength();
}
} // namespace

BOOL QZCommandBase::NextAttribute(CString& list, CString& name, CString& value) {
    name.Empty();
    value.Empty();
    if (list.IsEmpty())
        return FALSE;
    int stop = FindOutsideQuotes(list, ",=", 0);
    name = list.Left(stop);
    name.Trim();
    if (stop >= list.GetLength()) {
        list.Empty();
        return TRUE;
    }
    if (list.GetAt(stop) == ',') {
        list = list.Mid(stop + 1);
        return TRUE;
    }
    int end = FindOutsideQuotes(list, ",", stop + 1);
    value = list.Mid(stop + 1, end - stop - 1);
    value.Trim();
    list = end < list.GetLength() ? list.Mid(end + 1) : CString();
    return TRUE;
}

CString QZCommandBase::RemoveAttribute(const CString& list, const CString& name) {
    CString rest = list;
    CString result;
    CString pairName;
    CString pairValue;
    while (NextAttribute(rest, pairName, pairValue)) {
        if (pairName.CompareNoCase(name) == 0)
            continue;
        // Commas only between the pairs written, so a removed pair leaves no empty slot.
        if (!result.IsEmpty())
            result += ',';
        result += pairName;
        if (!pairValue.IsEmpty())
            result += "=" + pairValue;
    }
    return result;
}
