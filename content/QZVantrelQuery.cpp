#include "content/QZVantrelQuery.h"

#include "content/QZServiceLookups.h"
#include "db/QZDataDatabaseCache.h"
#include "platform/core/CException.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"
#include "template/data/CClientQuerySet.h"
#include "template/expressions/QZQueryExprContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZVantrelQuery, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[QueryID]", "[QueryName]"};

COleVariant Null() {
    COleVariant value;
    value.vt = VT_NULL;
    return value;
}

// The display width of a table's field in characters, by its type.
LONG DisplayWidth(const CDaoFieldInfo& field) {
    switch (field.m_nType) {
    case dbMemo:
        return 300;
    case dbLong:
    case dbInteger:
        return 10;
    case dbCurrency:
        return 20;
    case dbDate:
    case dbSingle:
    case dbDouble:
        return 12;
    default:
        return field.m_lSize;
    }
}

CVantrelDb* SiteDb() {
    QZApplication* app = GetVantrelApp();
    return app != nullptr ? &app->GetVantrelDb() : nullptr;
}
} // namespace

QZVantrelQuery::QZVantrelQuery(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_QUERY) {
    LoadRow<CQuerySet>(key, bOpen, nullptr, kColumns);
}

QZVantrelQuery::QZVantrelQuery() : QZVantrelBase(OBJ_QUERY) {
    AddNewRow<CQuerySet>(kColumns);
    SetServiceKey(CurrentServiceKey());
}

QZVantrelQuery::QZVantrelQuery(const CString&, const QZKeyCombo& key, int mode,
                               QZVantrelContext* context)
    : QZVantrelBase(OBJ_QUERY), m_nMode(mode) {
    if (!ResolveRow(key))
        return;
    m_pContext = context;
    // A data file is opened, never made: a missing one is the engine's error. One that the
    // run has open already is shared.
    m_pDataDb = g_DataDatabaseCache.Open(DataPath());
    OpenRows(mode);
}

QZVantrelQuery::~QZVantrelQuery() {
    m_pRowSet.reset();
    m_pDataDb.reset();
}

QZVantrelQuery& QZVantrelQuery::operator=(const QZVantrelQuery& other) {
    QZVantrelBase::operator=(other);
    return *this;
}

BOOL QZVantrelQuery::IsLoaded() const {
    return m_pRecordset != nullptr && m_bLoaded && m_pRowSet != nullptr;
}

BOOL QZVantrelQuery::ResolveRow(const QZKeyCombo& key) {
    // An object without a row of its own (none yet, or its key had none) opens the key's.
    if (m_pRecordset == nullptr || !m_bLoaded)
        LoadRow<CQuerySet>(key, FALSE, nullptr, kColumns);
    if (!m_bLoaded)
        return FALSE;
    const CQuerySet& row = *GetRecordset();
    m_strSQLName = row.m_SQLName;
    m_strDevelopPath = row.m_DatabaseName;
    if (m_strDevelopPath.IsEmpty())
        m_strDevelopPath = GetServiceClientsDb(GetServiceKey());
    m_strProductionPath = row.m_ClientsProdDb;
    if (m_strProductionPath.IsEmpty())
        m_strProductionPath = GetServiceClientsProdDb(GetServiceKey());
    return TRUE;
}

const CString& QZVantrelQuery::DataPath() const {
    CVantrelDb* site = SiteDb();
    BOOL production = site != nullptr && site->GetProductionOutput();
    return production ? m_strProductionPath : m_strDevelopPath;
}

void QZVantrelQuery::OpenRows(int mode) {
    auto rows = std::make_unique<CClientQuerySet>(SiteDb(), m_pDataDb.get(), m_pContext);
    rows->OpenQueryDef(m_strSQLName, mode);
    rows->BindParameters();
    m_bOpened = rows->OpenQuery(mode);
    m_pRowSet = std::move(rows);
    if (SymbolTable* counters = CounterTable())
        counters->Define("[rowcount]", FALSE)->SetInteger(m_bOpened ? m_pRowSet->GetRowCount() : 0);
}

SymbolTable* QZVantrelQuery::CounterTable() const {
    // The counters are this query's own: an enclosing query keeps its own.
    if (auto* query = dynamic_cast<QZQueryExprContext*>(m_pContext))
        return query->GetFieldTable();
    return m_pContext != nullptr ? m_pContext->GetSymbolTable() : nullptr;
}

int QZVantrelQuery::MoveFirstRow() {
    if (m_pRowSet == nullptr || !m_pRowSet->MoveToFirst())
        return 0;
    m_nRow = 1;
    m_pRowSet->LoadFieldInfo();
    if (SymbolTable* counters = CounterTable())
        counters->Define("[rownumber]", FALSE)->SetInteger(1);
    return 1;
}

int QZVantrelQuery::MoveNextRow() {
    // Past the last row there is nothing further to move to.
    if (m_pRowSet == nullptr || !m_pRowSet->IsOpen() || m_pRowSet->IsEOF() ||
        !m_pRowSet->MoveToNext())
        return 0;
    m_pRowSet->LoadFieldInfo();
    m_nRow++;
    if (SymbolTable* counters = CounterTable()) {
        QZSymbol* number = counters->Define("[rownumber]", FALSE);
        number->SetInteger(number->GetInteger() + 1);
    }
    return 1;
}

COleVariant QZVantrelQuery::GetFieldValue(const CString& name) {
    if (m_pRowSet == nullptr)
        return Null();
    try {
        return m_pRowSet->GetFieldValue(name);
    } catch (CDaoException* e) {
        e->Delete();
        return Null();
    }
}

void QZVantrelQuery::ListFieldsAndParameters(const QZKeyCombo& key, CPtrList& fields,
                                             CPtrList& parameters) {
    try {
        if (!ResolveRow(key))
            return;
        // The editor asks outside any run: the file is opened for the listing only.
        CDaoDatabase db;
        db.OpenDataFile(DataPath(), FALSE);
        if (GetRecordset()->m_QueryType != 0)
            ListTableFields(db, fields);
        else
            ListQueryFields(db, fields, parameters);
        db.Close();
    } catch (CException* e) {
        e->Delete();
    }
}

void QZVantrelQuery::ListTableFields(CDaoDatabase& db, CPtrList& fields) const {
    CDaoTableDef table(&db);
    table.Open(m_strSQLName);
    short count = table.GetFieldCount();
    for (short i = 0; i < count; i++) {
        CDaoFieldInfo field;
        table.GetFieldInfo(i, field, AFX_DAO_PRIMARY_INFO);
        auto* entry = new CString;
        entry->Format("%s\t%ld", field.m_strName, DisplayWidth(field));
        fields.AddTail(entry);
    }
    table.Close();
}

void QZVantrelQuery::ListQueryFields(CDaoDatabase& db, CPtrList& fields,
                                     CPtrList& parameters) const {
    CDaoQueryDef query(&db);
    query.Open(m_strSQLName);
    short count = query.GetParameterCount();
    for (short i = 0; i < count; i++) {
        CDaoParameterInfo parameter;
        query.GetParameterInfo(i, parameter, AFX_DAO_PRIMARY_INFO);
        parameters.AddTail(new CString(parameter.m_strName));
    }
    count = query.GetFieldCount();
    for (short i = 0; i < count; i++) {
        CDaoFieldInfo field;
        query.GetFieldInfo(i, field, AFX_DAO_PRIMARY_INFO);
        fields.AddTail(new CString(field.m_strName));
    }
    query.Close();
}
