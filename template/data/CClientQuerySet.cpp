#include "template/data/CClientQuerySet.h"

#include "platform/core/CMemoryException.h"
#include "platform/core/COleException.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoQueryDef.h"
#include "template/parser/QZVantrelContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <memory>

IMPLEMENT_DYNAMIC(CClientQuerySet, CDaoRecordset)

CClientQuerySet::CClientQuerySet(CVantrelDb* siteDb, CDaoDatabase* dataDb,
                                 QZVantrelContext* context)
    : CDaoRecordset(nullptr), m_pDataDb(dataDb), m_pStoredQuery(new CDaoQueryDef(dataDb)),
      m_pSiteDb(siteDb), m_pContext(context) {
    m_nDefaultType = dbOpenSnapshot;
}

CClientQuerySet::CClientQuerySet() : CDaoRecordset(nullptr) {
    m_nDefaultType = dbOpenSnapshot;
}

CClientQuerySet::~CClientQuerySet() {
    if (IsOpen())
        Close();
    if (m_pStoredQuery != nullptr && m_pStoredQuery->IsOpen())
        m_pStoredQuery->Close();
    delete m_pStoredQuery;
    FreeFieldInfo();
    delete m_pFieldList;
}

void CClientQuerySet::DoFieldExchange(CDaoFieldExchange*) {}

void CClientQuerySet::OpenQueryDef(const CString& name, BOOL) {
    m_strQueryName = name;
    m_pStoredQuery->Open(name);
}

SymbolTable* CClientQuerySet::GetVariables() const {
    return m_pContext != nullptr ? m_pContext->GetSymbolTable() : nullptr;
}

BOOL CClientQuerySet::VariableValue(QZSymbol* variable, COleVariant& value) {
    value.Clear();
    switch (variable->GetType()) {
    case QZSymbol::TYPE_INTEGER:
    case QZSymbol::TYPE_CURRENCY:
    case QZSymbol::TYPE_DOUBLE:
    case QZSymbol::TYPE_DATE:
    case QZSymbol::TYPE_STRING:
    case QZSymbol::TYPE_KEY:
        if (!variable->HasValue())
            return FALSE;
        value = variable->GetVariant();
        return TRUE;
    case QZSymbol::TYPE_NULL:
        value.vt = VT_NULL;
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CClientQuerySet::BindParameters() {
    if (m_pStoredQuery->GetType() == dbQSQLPassThrough) {
        CString name = m_pStoredQuery->GetName();
        name.MakeUpper();
        m_bProcedure = name.Left(2) == "SP" ? 1 : 0;
        m_bPassThrough = 1;
        return TRUE;
    }
    m_bPassThrough = 0;
    short count = m_pStoredQuery->GetParameterCount();
    for (short i = 0; i < count; i++) {
        CDaoParameterInfo info;
        m_pStoredQuery->GetParameterInfo(i, info, AFX_DAO_PRIMARY_INFO);
        if (!GetParameterValue(info))
            return FALSE;
        m_pStoredQuery->SetParamValue(info.m_strName, info.m_varValue);
    }
    return TRUE;
}

BOOL CClientQuerySet::GetParameterValue(CDaoParameterInfo& info) {
    info.m_varValue.Clear();
    SymbolTable* variables = GetVariables();
    QZSymbol* variable = variables != nullptr ? variables->Find(info.m_strName, TRUE) : nullptr;
    if (variable == nullptr)
        return FALSE;
    switch (variable->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        info.m_varValue = variable->GetInteger();
        break;
    case QZSymbol::TYPE_CURRENCY:
        info.m_varValue = variable->GetCurrency();
        break;
    case QZSymbol::TYPE_DOUBLE:
        info.m_varValue = variable->GetDouble();
        break;
    case QZSymbol::TYPE_DATE:
        info.m_varValue = variable->GetDate();
        break;
    case QZSymbol::TYPE_STRING:
        info.m_varValue = variable->GetString();
        break;
    default:
        break;
    }
    return TRUE;
}

BOOL CClientQuerySet::OpenQuery(BOOL editable) {
    if (m_bPassThrough && m_bProcedure) {
        CString call;
        if (!BuildProcedureCall(call))
            return FALSE;
        auto temporary = std::make_unique<CDaoQueryDef>(m_pDataDb);
        temporary->Create();
        temporary->SetConnect(m_pStoredQuery->GetConnect());
        temporary->SetSQL(call);
        Open(temporary.get(), dbOpenSnapshot, 0);
    } else if (editable) {
        Open(m_pStoredQuery, dbOpenDynaset, dbConsistent);
    } else {
        Open(m_pStoredQuery, dbOpenSnapshot, 0);
    }
    CountRows();
    // An empty set has no row to edit.
    if (editable && !IsEOF())
        Edit();
    return TRUE;
}

BOOL CClientQuerySet::CountRows() {
    if (IsBOF()) {
        m_nRowCount = 0;
        return TRUE;
    }
    COleVariant bookmark = GetBookmark();
    MoveLast();
    m_nRowCount = GetRecordCount();
    SetBookmark(bookmark);
    MoveFirst();
    return TRUE;
}

BOOL CClientQuerySet::BuildProcedureCall(CString& text) {
    CString sql = m_pStoredQuery->GetSQL();
    int space = sql.Find(' ');
    if (space < 0) {
        text = sql;
        return TRUE;
    }
    CString arguments = sql.Mid(space + 1);
    arguments.Trim();
    sql = sql.Left(space);
    BOOL appended = FALSE;
    while (!arguments.IsEmpty()) {
        int end = arguments.Find(' ');
        CString name = end < 0 ? arguments : arguments.Left(end);
        name.Trim();
        arguments = end < 0 ? CString() : arguments.Mid(end + 1);
        arguments.Trim();
        if (name.Left(1) == "@")
            name = name.Mid(1);
        CString value;
        if (!GetProcedureArgument(name, value))
            return FALSE;
        sql += " @" + name + " = " + value + ", ";
        appended = TRUE;
    }
    if (appended)
        sql = sql.Left(sql.GetLength() - 2);
    text = sql + " " + arguments;
    return TRUE;
}

BOOL CClientQuerySet::GetProcedureArgument(const CString& name, CString& text) {
    SymbolTable* variables = GetVariables();
    QZSymbol* variable = variables != nullptr ? variables->Find(name, TRUE) : nullptr;
    if (variable == nullptr)
        return FALSE;
    text.Empty();
    COleVariant value;
    if (VariableValue(variable, value) && value.vt != VT_NULL) {
        try {
            value.ChangeType(VT_BSTR);
            text = value.bstrVal;
        } catch (COleException* e) {
            e->Delete();
        }
    }
    // Quotes inside a string are doubled, so the value cannot end the string early.
    if (variable->GetType() == QZSymbol::TYPE_STRING) {
        text.Replace("\"", "\"\"");
        text = "\"" + text + "\"";
    }
    return TRUE;
}

BOOL CClientQuerySet::MoveToFirst() {
    if (!IsOpen() || IsBOF())
        return FALSE;
    MoveFirst();
    return TRUE;
}

BOOL CClientQuerySet::MoveToNext() {
    if (!IsOpen())
        return FALSE;
    MoveNext();
    return !IsEOF();
}

BOOL CClientQuerySet::CheckFieldCount() {
    if (m_nFieldCount != 0)
        return TRUE;
    try {
        m_nFieldCount = GetFieldCount();
    } catch (CDaoException* e) {
        e->Delete();
        return FALSE;
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL CClientQuerySet::LoadFieldInfo() {
    if (!CheckFieldCount())
        return FALSE;
    if (m_pFieldList == nullptr)
        m_pFieldList = ReadFieldInfo();
    return m_pFieldList != nullptr;
}

CClientQuerySet::FieldInfoList* CClientQuerySet::ReadFieldInfo() {
    auto list = std::make_unique<FieldInfoList>(10);
    try {
        for (int i = 0; i < m_nFieldCount; i++) {
            auto info = std::make_unique<CDaoFieldInfo>();
            GetFieldInfo(i, *info, AFX_DAO_ALL_INFO);
            list->AddTail(info.release());
        }
    } catch (...) {
        while (!list->IsEmpty())
            delete list->RemoveHead();
        throw;
    }
    return list.release();
}

void CClientQuerySet::FreeFieldInfo() {
    if (m_pFieldList == nullptr)
        return;
    while (!m_pFieldList->IsEmpty())
        delete m_pFieldList->RemoveHead();
}
