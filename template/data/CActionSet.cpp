#include "template/data/CActionSet.h"

#include "db/CQuerySet.h"
#include "db/CVantrelDb.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(CActionSet, CClientQuerySet)

namespace {

// A text key value written for the old filter, in one pair of single quotes, without them.
void Unquote(COleVariant& value) {
    if (value.vt != VT_BSTR)
        return;
    const CString& text = value.bstrVal;
    if (text.GetLength() >= 2 && text.GetAt(0) == '\'' && text.GetAt(text.GetLength() - 1) == '\'')
        value = text.Mid(1, text.GetLength() - 2);
}

} // namespace

CActionSet::CActionSet() : m_currentKey(static_cast<LONG>(0)) {}

CActionSet::~CActionSet() {
    CloseTable();
    CloseQueryDef();
    CloseQueryRecord();
    CloseDatabase();
}

BOOL CActionSet::Prepare(CVantrelDb* siteDb, const QZKeyCombo& key, SymbolTable* variables) {
    m_pSiteDb = siteDb;
    m_pVariables = variables;
    if (key == m_currentKey)
        return FALSE;
    CloseTable();
    CloseQueryDef();
    if (!LoadQueryRecord(key))
        return FALSE;
    m_nTableFlag = m_pQueryRecord->m_QueryType;
    CString file =
        siteDb->IsProductionDb() ? m_pQueryRecord->m_ClientsProdDb : m_pQueryRecord->m_DatabaseName;
    if (file != m_strDatabasePath) {
        SetDatabasePath(file);
        OpenDatabase();
    }
    CString name = m_pQueryRecord->m_SQLName;
    BOOL opened;
    if (m_nTableFlag == 0) {
        SetQueryName(name);
        SetTableName(CString());
        opened = OpenQueryDef(name);
    } else {
        SetQueryName(CString());
        SetTableName(name);
        opened = OpenTable(name);
    }
    CloseQueryRecord();
    return opened;
}

BOOL CActionSet::LoadQueryRecord(const QZKeyCombo& key) {
    m_currentKey = key;
    if (m_pQueryRecord == nullptr)
        m_pQueryRecord = new CQuerySet(m_pSiteDb);
    int found = m_pQueryRecord->OpenByKey(key, "MQ_GetQueryByDbID_QueryID", 0);
    if (found == QZRecordset::openBusy || found == QZRecordset::openNotFound) {
        CloseQueryRecord();
        return FALSE;
    }
    return TRUE;
}

BOOL CActionSet::OpenDatabase() {
    if (m_pDataDb == nullptr)
        m_pDataDb = new CDaoDatabase();
    if (m_pDataDb->IsOpen())
        m_pDataDb->Close();
    try {
        m_pDataDb->OpenDataFile(m_strDatabasePath, FALSE);
    } catch (...) {
        // No file is open: the next Prepare of that file tries it again.
        m_strDatabasePath.Empty();
        throw;
    }
    return TRUE;
}

BOOL CActionSet::OpenQueryDef(const CString& name) {
    if (m_pStoredQuery == nullptr)
        m_pStoredQuery = new CDaoQueryDef(m_pDataDb);
    if (m_pStoredQuery->IsOpen())
        m_pStoredQuery->Close();
    m_pStoredQuery->Open(name);
    return TRUE;
}

BOOL CActionSet::OpenTable(const CString& name) {
    if (m_pTable == nullptr)
        m_pTable = new CDaoTableDef(m_pDataDb);
    if (m_pTable->IsOpen())
        m_pTable->Close();
    m_pTable->Open(name);
    if (!IsOpen())
        Open(m_pTable, dbOpenDynaset, dbConsistent);
    return TRUE;
}

void CActionSet::CloseTable() {
    if (IsOpen())
        Close();
    if (m_pTable != nullptr && m_pTable->IsOpen())
        m_pTable->Close();
    delete m_pTable;
    m_pTable = nullptr;
}

void CActionSet::CloseQueryDef() {
    if (m_pStoredQuery != nullptr && m_pStoredQuery->IsOpen())
        m_pStoredQuery->Close();
    delete m_pStoredQuery;
    m_pStoredQuery = nullptr;
}

void CActionSet::CloseQueryRecord() {
    if (m_pQueryRecord != nullptr && m_pQueryRecord->IsOpen())
        m_pQueryRecord->Close();
    delete m_pQueryRecord;
    m_pQueryRecord = nullptr;
}

void CActionSet::CloseDatabase() {
    if (m_pDataDb != nullptr && m_pDataDb->IsOpen())
        m_pDataDb->Close();
    delete m_pDataDb;
    m_pDataDb = nullptr;
    m_strDatabasePath.Empty();
}

BOOL CActionSet::IsCounterField(const CDaoFieldInfo& info) {
    return (info.m_lAttributes & dbAutoIncrField) != 0;
}

BOOL CActionSet::IsTableOpen() const {
    return m_nTableFlag != 0 && m_pTable != nullptr && IsOpen();
}

namespace {

bool InKey(const CActionSet::KeyFilter* key, const CString& field) {
    if (key == nullptr)
        return false;
    for (const auto& part : *key)
        if (part.first.CompareNoCase(field) == 0)
            return true;
    return false;
}

} // namespace

BOOL CActionSet::SetFieldsFromVariables(std::vector<CString>* counters, const KeyFilter* key) {
    short count = GetFieldCount();
    for (short i = 0; i < count; i++) {
        CDaoFieldInfo info;
        GetFieldInfo(i, info, AFX_DAO_ALL_INFO);
        if (IsCounterField(info)) {
            if (counters != nullptr)
                counters->push_back(info.m_strName);
            continue;
        }
        if (InKey(key, info.m_strName))
            continue;
        QZSymbol* variable =
            m_pVariables != nullptr ? m_pVariables->Find(info.m_strName, TRUE) : nullptr;
        COleVariant value;
        if (variable == nullptr || !VariableValue(variable, value))
            continue;
        // An empty text where the field refuses one is no value.
        if (variable->GetType() == QZSymbol::TYPE_STRING && variable->GetString().IsEmpty() &&
            !info.m_bAllowZeroLength)
            SetFieldValueNull(i);
        else
            SetFieldValue(i, value);
    }
    return TRUE;
}

template <typename Operation>
CString CActionSet::RowOperation(const char* prefix, Operation operation) {
    CString failed = CString(prefix) + " Failed: ";
    if (!IsTableOpen())
        return failed + "query is not a table";
    try {
        return operation(failed);
    } catch (CMemoryException* e) {
        e->Delete();
        CancelUpdate();
        return failed + "Memory Error";
    } catch (CDaoException* e) {
        CString description;
        if (e->GetErrorCount() > 0) {
            e->GetErrorInfo(0);
            description = e->m_pErrorInfo->m_strDescription;
        }
        e->Delete();
        CancelUpdate();
        return failed + description;
    }
}

CString CActionSet::AddRow(SymbolTable* variables) {
    if (variables != nullptr)
        m_pVariables = variables;
    return RowOperation("AddRow", [this](const CString&) {
        std::vector<CString> counters;
        AddNew();
        SetFieldsFromVariables(&counters);
        Update();
        SetBookmark(GetLastModifiedBookmark());
        // The new numbers go to the scope that ran the command: the enclosing one of the
        // command's own, or, without one, the variables themselves.
        SymbolTable* target = m_pVariables != nullptr && m_pVariables->GetParent() != nullptr
                                  ? m_pVariables->GetParent()
                                  : m_pVariables;
        for (const CString& counter : counters)
            if (target != nullptr)
                target->SetVariant(counter, GetFieldValue(counter));
        return CString();
    });
}

CString CActionSet::EditRow(SymbolTable* variables) {
    if (variables != nullptr)
        m_pVariables = variables;
    return RowOperation("EditRow", [this](const CString& failed) {
        KeyFilter key;
        if (!BuildKeyFilter(key) || key.empty() || !FindFirstEqual(key))
            return failed + "Unable to find row.";
        // The key found the row and stays as the row has it: written back from the variables
        // it could take their quotes or letter case.
        Edit();
        SetFieldsFromVariables(nullptr, &key);
        Update();
        return CString();
    });
}

CString CActionSet::DelRow(SymbolTable* variables) {
    if (variables != nullptr)
        m_pVariables = variables;
    return RowOperation("DelRow", [this](const CString& failed) {
        if (!FindKeyRow())
            return failed + "Unable to find row.";
        Delete();
        return CString();
    });
}

BOOL CActionSet::BuildKeyFilter(KeyFilter& filter) {
    filter.clear();
    if (m_pTable == nullptr)
        return FALSE;
    short indexes = m_pTable->GetIndexCount();
    for (short i = 0; i < indexes; i++) {
        CDaoIndexInfo index;
        m_pTable->GetIndexInfo(i, index, AFX_DAO_ALL_INFO);
        if (!index.m_bPrimary || !index.m_bUnique)
            continue;
        for (short f = 0; f < index.m_nFields; f++) {
            const CString& name = index.m_pFieldInfos[f].m_strName;
            QZSymbol* variable = m_pVariables != nullptr ? m_pVariables->Find(name, TRUE) : nullptr;
            COleVariant value;
            // A part of the key alone could match other rows: every field needs its value.
            if (variable == nullptr || !VariableValue(variable, value) || value.vt == VT_NULL) {
                filter.clear();
                return FALSE;
            }
            Unquote(value);
            filter.emplace_back(name, value);
        }
        return TRUE;
    }
    return FALSE;
}

BOOL CActionSet::FindKeyRow() {
    KeyFilter filter;
    if (!BuildKeyFilter(filter) || filter.empty())
        return FALSE;
    return FindFirstEqual(filter);
}

BOOL CActionSet::ExecuteQuery(SymbolTable* variables) {
    if (variables != nullptr)
        m_pVariables = variables;
    if (m_nTableFlag != 0) {
        AfxMessageBox("Cannot use a query specified as TableDef to perform ExecuteQuery!");
        return FALSE;
    }
    if (m_pStoredQuery == nullptr || !BindParameters())
        return FALSE;
    m_pStoredQuery->Execute(dbFailOnError);
    return TRUE;
}
