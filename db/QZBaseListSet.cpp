#include "db/QZBaseListSet.h"

IMPLEMENT_DYNAMIC(QZBaseListSet, CDaoRecordset)

namespace {
COleVariant FlagByte(BOOL flag) {
    return COleVariant(static_cast<BYTE>(flag & 0xFF));
}
} // namespace

QZBaseListSet::QZBaseListSet(CDaoDatabase* database)
    : CDaoRecordset(database),
      m_pQuery(std::make_unique<CDaoQueryDef>(database)), m_Columns{nullptr, nullptr, OBJ_NONE,
                                                                    nullptr} {
    m_nDefaultType = dbOpenDynaset;
}

QZBaseListSet::QZBaseListSet(CDaoDatabase* database, const QZListColumns& columns)
    : QZBaseListSet(database) {
    m_Columns = columns;
    m_nFields = columns.typeColumn != nullptr ? 4 : 3;
}

QZBaseListSet::~QZBaseListSet() {
    // Closed before the query definition it is open on goes.
    if (IsOpen())
        Close();
}

QZNameAndKeyList* QZBaseListSet::OpenList(const QZKeyCombo& parent, CString queryName,
                                          BOOL showDeleted) {
    PrepareQuery(queryName);
    SetListParameters(parent, showDeleted);
    return OpenAndFill();
}

QZNameAndKeyList* QZBaseListSet::OpenList(CString queryName, BOOL showDeleted) {
    PrepareQuery(queryName);
    SetShowDeletedParameter(showDeleted);
    return OpenAndFill();
}

QZNameAndKeyList* QZBaseListSet::OpenAndFill() {
    Open(m_pQuery.get(), dbOpenDynaset, dbConsistent);
    // Freed with the items made so far when a row cannot be read.
    QZNameAndKeyListPtr list(new QZNameAndKeyList(10));
    FillList(list.get());
    return list.release();
}

int QZBaseListSet::PrepareQuery(CString queryName) {
    if (IsOpen())
        Close();
    m_pQuery->Open(queryName);
    return 1;
}

int QZBaseListSet::SetListParameters(const QZKeyCombo& parent, BOOL showDeleted) {
    m_pQuery->SetParamValue(0, COleVariant(parent.m_DbID, VT_I4));
    m_pQuery->SetParamValue(1, COleVariant(parent.m_KeyID, VT_I4));
    m_pQuery->SetParamValue(2, FlagByte(showDeleted));
    return 1;
}

int QZBaseListSet::SetShowDeletedParameter(BOOL showDeleted) {
    m_pQuery->SetParamValue(0, FlagByte(showDeleted));
    return 1;
}

QZKeyCombo* QZBaseListSet::GetKey() {
    return &m_Key;
}

CString QZBaseListSet::GetTableName() {
    return "<Base Class Name>";
}

void QZBaseListSet::FillList(QZNameAndKeyList* list) {
    if (!IsBound())
        return;
    for (; !IsEOF(); MoveNext()) {
        SHORT type = m_Columns.typeColumn != nullptr ? static_cast<SHORT>(m_ObjectType)
                                                     : m_Columns.objectType;
        list->AddTail(new QZNameAndKey(m_Name, m_DbID, m_ID, type));
    }
}

CString QZBaseListSet::GetDefaultDBName() {
    return m_pDatabase != nullptr ? m_pDatabase->GetName() : CString();
}

void QZBaseListSet::DoFieldExchange(CDaoFieldExchange* pFX) {
    if (!IsBound())
        return;
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[DbID]", m_DbID);
    DFX_Text(pFX, m_Columns.name, m_Name, AFX_DAO_TEXT_DEFAULT_SIZE);
    DFX_Long(pFX, m_Columns.id, m_ID);
    if (m_Columns.typeColumn != nullptr)
        DFX_Long(pFX, m_Columns.typeColumn, m_ObjectType);
}
