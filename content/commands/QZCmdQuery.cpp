#include "content/commands/QZCmdQuery.h"

#include "content/QZVantrelQuery.h"
#include "content/commands/QZCommandKey.h"
#include "platform/core/CException.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/commands/QZFlowParts.h"
#include "template/expressions/QZQueryExprContext.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdQuery, QZCommandBase)

QZCmdQuery::QZCmdQuery(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context), m_queryKey(-1, -1, OBJ_QUERY) {
    m_source = arguments;
    auto* query = new QZQueryExprContext(context);
    m_pExprContext = query;
    query->SetDefaultKeyType(OBJ_QUERY);
    query->Parse(arguments);
    // The bodies see the row's fields and counters before the enclosing variables.
    m_pRowBody = std::make_unique<QZVantrelStmtContext>(query, this);
    m_pAfterFirstRow = std::make_unique<QZVantrelStmtContext>(query, this);
    m_pNoRows = std::make_unique<QZVantrelStmtContext>(query, this);
    m_pFirstRow = std::make_unique<QZVantrelStmtContext>(query, this);
}

QZCmdQuery::~QZCmdQuery() {
    // The bodies go before the query context they stand in.
    m_pFirstRow.reset();
    m_pNoRows.reset();
    m_pAfterFirstRow.reset();
    m_pRowBody.reset();
    m_pQuery.reset();
}

CString QZCmdQuery::GetSkeleton() {
    return "<<query :???"
           ">>\r\n\t<<firstrow>>\r\n\t<</firstrow>>\r\n\t<<norows>>\r\n<</query>>";
}

QZQueryExprContext* QZCmdQuery::QueryContext() const {
    return static_cast<QZQueryExprContext*>(m_pExprContext);
}

void QZCmdQuery::WriteSource(CString& text) {
    text += "<<query " + QZFlowParts::TranslatedText(m_pExprContext) + ">>";
    if (!QZFlowParts::WritesBlocks(m_pContext))
        return;
    m_pRowBody->WriteSource(text);
    if (m_pFirstRow->GetFirstStatement() != nullptr) {
        text += "<<firstrow>>";
        m_pFirstRow->WriteSource(text);
        text += "<</firstrow>>";
    }
    m_pAfterFirstRow->WriteSource(text);
    if (m_pNoRows->GetFirstStatement() != nullptr) {
        text += "<<norows>>";
        m_pNoRows->WriteSource(text);
    }
    // A query the text left open is written back open.
    if (m_bClosed)
        text += "<</query>>";
}

QZVantrelStmtContext* QZCmdQuery::GetSection(Section section) {
    switch (section) {
    case SECTION_BODY:
        return m_pRowBody.get();
    case SECTION_FIRSTROW:
        return m_pFirstRow.get();
    case SECTION_AFTERFIRSTROW:
        return m_pAfterFirstRow.get();
    case SECTION_NOROWS:
        return m_pNoRows.get();
    default:
        return nullptr;
    }
}

void QZCmdQuery::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDQUERY)
        m_bClosed = TRUE;
}

BOOL QZCmdQuery::CheckParameters() {
    m_queryKey = QZCommandKey::Take(*this, OBJ_QUERY, m_pKeyEntry);
    QZSymbol* dbName = FindNamedParam("dbname", QZSymbol::TYPE_STRING);
    m_dbName = dbName != nullptr ? dbName->GetString() : CString();
    m_pQuery.reset();
    if (m_queryKey.m_KeyID <= 0) {
        Error("query: no query key specified");
        return FALSE;
    }
    try {
        m_pQuery = std::make_unique<QZVantrelQuery>(m_dbName, m_queryKey, 0, QueryContext());
    } catch (CException* e) {
        e->Delete();
        Error("query: Can't open query %s ", m_queryKey.FormatFull());
        return FALSE;
    }
    if (!m_pQuery->IsLoaded()) {
        m_pQuery.reset();
        QZCommandKey::ReportInvalid(*this, "query: invalid query key %s=%s specified",
                                    "query: invalid query key %s specified", m_pKeyEntry,
                                    m_queryKey);
        return FALSE;
    }
    return TRUE;
}

void QZCmdQuery::Execute() {
    if (!CheckParameters())
        return;
    QZQueryExprContext* query = QueryContext();
    query->ClearRowFields();
    query->SetQuery(m_pQuery.get());
    try {
        RunRows();
    } catch (...) {
        query->SetQuery(nullptr);
        m_pQuery.reset();
        throw;
    }
    query->SetQuery(nullptr);
    RecordDependency(m_pRunOwner, m_pQuery.get());
    m_pQuery.reset();
}

void QZCmdQuery::RunRows() {
    if (!m_pQuery->MoveFirstRow()) {
        m_pNoRows->Execute();
        return;
    }
    m_pFirstRow->Execute();
    // A row's values are never seen by the next.
    do {
        m_pRowBody->Execute();
        m_pAfterFirstRow->Execute();
        QueryContext()->ClearRowFields();
    } while (m_pQuery->MoveNextRow());
}

CString QZCmdQuery::EditProperties() {
    CheckParameters();
    CString keyText;
    QZCommandKey::SplitKeyAndRest(m_source, keyText, m_rest);
    m_properties.Empty();
    if (GetCommandDialogs().QueryProps(*this, m_rest) == IDOK) {
        m_properties = "<<query ";
        m_properties += QZCommandKey::IsNone(m_queryKey) ? keyText : m_queryKey.Format();
        m_pKeyEntry = nullptr;
        if (!m_rest.IsEmpty())
            m_properties += "," + m_rest;
        m_properties += ">>";
    }
    m_pQuery.reset();
    return m_properties;
}
