#include "db/CGenericRecordSet.h"

IMPLEMENT_DYNAMIC(CGenericRecordSet, CDaoRecordset)

CGenericRecordSet::CGenericRecordSet(CDaoDatabase* database)
    : CDaoRecordset(nullptr), m_pDb(database) {}

CGenericRecordSet::~CGenericRecordSet() {
    // Closed before the table definition it is open on goes.
    if (IsOpen())
        Close();
}

void CGenericRecordSet::SetTableName(CString tableName) {
    m_TableName = tableName;
}

int CGenericRecordSet::OpenTable(int edit, short openType, short options) {
    if (IsOpen())
        Close();
    OpenTableDef();
    Open(m_pTable.get(), openType, options);
    if (IsBOF())
        return 3;
    if (edit)
        Edit();
    return 1;
}

int CGenericRecordSet::OpenTableDef() {
    if (m_pTable == nullptr)
        m_pTable = std::make_unique<CDaoTableDef>(m_pDb);
    if (m_pTable->IsOpen())
        m_pTable->Close();
    m_pTable->Open(m_TableName);
    return 1;
}

int CGenericRecordSet::MoveFirstRow(int edit) {
    if (IsBOF() && IsEOF())
        return 0;
    MoveFirst();
    if (edit)
        Edit();
    return 1;
}

int CGenericRecordSet::MoveNextRow(int edit) {
    MoveNext();
    if (IsEOF())
        return 0;
    if (edit)
        Edit();
    return 1;
}

void CGenericRecordSet::GetFieldCount(short* count) {
    *count = m_pTable != nullptr && m_pTable->IsOpen() ? m_pTable->GetFieldCount() : 0;
}
