#include "platform/dao/CDaoTableDef.h"

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoConvert.h"
#include "platform/dao/DaoDdl.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoSchema.h"
#include "platform/dao/DaoStatement.h"

IMPLEMENT_DYNAMIC(CDaoTableDef, CObject)

namespace {

bool IsKnownType(short type) {
    return type == dbBoolean || type == dbByte || type == dbInteger || type == dbLong ||
           type == dbCurrency || type == dbSingle || type == dbDouble || type == dbDate ||
           type == dbText || type == dbLongBinary || type == dbMemo;
}

// The size the engine gives a column of each fixed type.
LONG FixedSize(short type) {
    switch (type) {
    case dbBoolean:
    case dbByte:
        return 1;
    case dbInteger:
        return 2;
    case dbLong:
    case dbSingle:
        return 4;
    case dbCurrency:
    case dbDouble:
    case dbDate:
        return 8;
    default:
        return 0;
    }
}

// The column as the engine stores it: fixed-size types are fixed fields whatever was asked,
// text is variable unless asked fixed, a text without a size gets the engine's 50.
DaoColumnSchema ColumnFrom(const CDaoFieldInfo& info) {
    DaoColumnSchema column;
    column.name = info.m_strName.str();
    column.type = info.m_nType;
    column.attributes = info.m_lAttributes;
    if (info.m_nType == dbText) {
        column.size = info.m_lSize > 0 ? info.m_lSize : 50;
        if (!(column.attributes & dbFixedField))
            column.attributes |= dbVariableField;
    } else if (info.m_nType == dbMemo || info.m_nType == dbLongBinary) {
        column.size = 0;
        column.attributes = (column.attributes & ~dbFixedField) | dbVariableField;
    } else {
        column.size = FixedSize(info.m_nType);
        column.attributes = (column.attributes & ~dbVariableField) | dbFixedField;
    }
    column.required = info.m_bRequired != FALSE;
    column.allowZeroLength = info.m_bAllowZeroLength != FALSE;
    column.defaultValue = info.m_strDefaultValue.str();
    column.collatingOrder = info.m_lCollatingOrder;
    column.validationRule = info.m_strValidationRule.str();
    column.validationText = info.m_strValidationText.str();
    return column;
}

void FillFieldInfo(const DaoTableSchema& table, const DaoColumnSchema& column,
                   CDaoFieldInfo& info) {
    info.m_strName = column.name;
    info.m_nType = column.type;
    info.m_lSize = column.size;
    info.m_lAttributes = column.attributes;
    info.m_nOrdinalPosition = column.ordinal;
    info.m_bRequired = column.required;
    info.m_bAllowZeroLength = column.allowZeroLength;
    info.m_lCollatingOrder = column.collatingOrder;
    info.m_strForeignName.Empty();
    info.m_strSourceField = column.name;
    info.m_strSourceTable = table.name;
    info.m_strValidationRule = column.validationRule;
    info.m_strValidationText = column.validationText;
    info.m_strDefaultValue = column.defaultValue;
}

void FillIndexInfo(const DaoIndexSchema& index, CDaoIndexInfo& info) {
    info.m_strName = index.name;
    info.AllocateFields(static_cast<short>(index.fields.size()));
    for (short i = 0; i < info.m_nFields; ++i) {
        const DaoIndexFieldSchema& field = index.fields[static_cast<size_t>(i)];
        info.m_pFieldInfos[i].m_strName = field.name;
        info.m_pFieldInfos[i].m_bDescending = field.descending;
    }
    info.m_bPrimary = index.primary;
    info.m_bUnique = index.unique;
    info.m_bClustered = index.clustered;
    info.m_bIgnoreNulls = index.ignoreNulls;
    info.m_bRequired = index.required;
    info.m_bForeign = index.foreign;
    info.m_lDistinctCount = 0;
}

} // namespace

CDaoTableDef::CDaoTableDef(CDaoDatabase* pDatabase)
    : m_pDatabase(pDatabase), m_schema(std::make_unique<DaoTableSchema>()) {}

CDaoTableDef::~CDaoTableDef() {
    CDaoTableDef::Close();
}

void CDaoTableDef::RequireOpen() const {
    if (!m_open)
        CDaoException::Throw(daoErrObjectClosed, "The table definition is not open.",
                             "DAO.TableDef");
}

const DaoTableSchema& CDaoTableDef::Schema() const {
    RequireOpen();
    return *m_schema;
}

void CDaoTableDef::Create(LPCTSTR lpszName, LONG lAttributes, LPCTSTR lpszSrcTable,
                          LPCTSTR lpszConnect) {
    Close();
    if (!lpszName || !*lpszName)
        CDaoException::Throw(daoErrInvalidName, "A table needs a name.", "DAO.TableDef");
    *m_schema = DaoTableSchema();
    m_schema->name = lpszName;
    m_schema->attributes = lAttributes;
    m_schema->sourceTable = lpszSrcTable ? lpszSrcTable : "";
    m_schema->connect = lpszConnect ? lpszConnect : "";
    m_open = true;
    m_appended = false;
    m_pDatabase->AddDependent(this, [this] { Close(); });
}

void CDaoTableDef::Open(LPCTSTR lpszName) {
    Close();
    const DaoTableSchema* table =
        m_pDatabase->Connection().catalog().FindTable(lpszName ? lpszName : "");
    if (!table)
        CDaoException::Throw(daoErrItemNotFound,
                             CString("There is no table named '") + (lpszName ? lpszName : "") +
                                 "' in the database.",
                             "DAO.TableDef");
    *m_schema = *table;
    m_open = true;
    m_appended = true;
    m_pDatabase->AddDependent(this, [this] { Close(); });
}

void CDaoTableDef::Append() {
    RequireOpen();
    if (m_appended)
        CDaoException::Throw(daoErrTableExists,
                             "Table '" + CString(m_schema->name) + "' already exists.",
                             "DAO.TableDef");
    if (m_schema->columns.empty())
        CDaoException::Throw(daoErrNoFields,
                             "Table '" + CString(m_schema->name) + "' has no columns to store.",
                             "DAO.TableDef");
    DaoCatalog& catalog = m_pDatabase->Connection().catalog();
    catalog.CreateTable(*m_schema);
    *m_schema = *catalog.FindTable(m_schema->name);
    m_appended = true;
}

void CDaoTableDef::Close() {
    if (m_open && m_pDatabase)
        m_pDatabase->RemoveDependent(this);
    m_open = false;
}

BOOL CDaoTableDef::IsOpen() const {
    return m_open;
}

void CDaoTableDef::CreateField(CDaoFieldInfo& fieldinfo) {
    RequireOpen();
    if (m_appended)
        CDaoException::Throw(daoErrInvalidOperation,
                             "Columns are made before the table definition is appended.",
                             "DAO.TableDef");
    if (fieldinfo.m_strName.IsEmpty())
        CDaoException::Throw(daoErrInvalidName, "A column needs a name.", "DAO.TableDef");
    if (m_schema->FindColumn(fieldinfo.m_strName.str()))
        CDaoException::Throw(daoErrFieldTwice,
                             "Column '" + fieldinfo.m_strName + "' is defined twice in table '" +
                                 CString(m_schema->name) + "'.",
                             "DAO.TableDef");
    if (!IsKnownType(fieldinfo.m_nType) ||
        ((fieldinfo.m_lAttributes & dbAutoIncrField) && fieldinfo.m_nType != dbLong))
        CDaoException::Throw(daoErrInvalidFieldType,
                             "Column '" + fieldinfo.m_strName +
                                 "' has a type the database "
                                 "cannot store.",
                             "DAO.TableDef");
    DaoColumnSchema column = ColumnFrom(fieldinfo);
    column.ordinal = static_cast<short>(m_schema->columns.size());
    m_schema->columns.push_back(std::move(column));
}

void CDaoTableDef::CreateField(LPCTSTR lpszName, short nType, LONG lSize, LONG lAttributes) {
    CDaoFieldInfo info;
    info.m_strName = lpszName ? lpszName : "";
    info.m_nType = nType;
    info.m_lSize = lSize;
    info.m_lAttributes = lAttributes;
    info.m_bAllowZeroLength = nType == dbText || nType == dbMemo;
    info.m_lCollatingOrder = dbSortGeneral;
    CreateField(info);
}

void CDaoTableDef::CreateIndex(CDaoIndexInfo& indexinfo) {
    RequireOpen();
    DaoIndexSchema index;
    index.name = indexinfo.m_strName.str();
    if (index.name.empty())
        CDaoException::Throw(daoErrInvalidName, "An index needs a name.", "DAO.TableDef");
    for (short i = 0; i < indexinfo.m_nFields && indexinfo.m_pFieldInfos; ++i)
        index.fields.push_back({indexinfo.m_pFieldInfos[i].m_strName.str(),
                                indexinfo.m_pFieldInfos[i].m_bDescending != FALSE});
    index.primary = indexinfo.m_bPrimary != FALSE;
    index.unique = indexinfo.m_bUnique != FALSE || index.primary;
    index.required = indexinfo.m_bRequired != FALSE || index.primary;
    index.ignoreNulls = indexinfo.m_bIgnoreNulls != FALSE;
    index.clustered = indexinfo.m_bClustered != FALSE;
    index.foreign = indexinfo.m_bForeign != FALSE;
    if (!m_appended) {
        if (m_schema->FindIndex(index.name))
            CDaoException::Throw(daoErrIndexExists,
                                 "Table '" + CString(m_schema->name) +
                                     "' already has an index named '" + CString(index.name) + "'.",
                                 "DAO.TableDef");
        m_schema->indexes.push_back(std::move(index));
        return;
    }
    DaoCatalog& catalog = m_pDatabase->Connection().catalog();
    catalog.CreateIndex(m_schema->name, index);
    *m_schema = *catalog.FindTable(m_schema->name);
}

CString CDaoTableDef::GetName() {
    return Schema().name;
}

LONG CDaoTableDef::GetAttributes() {
    return Schema().attributes;
}

CString CDaoTableDef::GetSourceTableName() {
    return Schema().sourceTable;
}

CString CDaoTableDef::GetConnect() {
    return Schema().connect;
}

COleDateTime CDaoTableDef::GetDateCreated() {
    return DaoConvert::StampDate(Schema().dateCreated);
}

COleDateTime CDaoTableDef::GetDateLastUpdated() {
    return DaoConvert::StampDate(Schema().lastUpdated);
}

BOOL CDaoTableDef::CanUpdate() {
    return !Schema().IsSystem() && m_pDatabase->CanUpdate();
}

LONG CDaoTableDef::GetRecordCount() {
    if (!m_appended)
        return 0;
    DaoStatement count(m_pDatabase->Connection(),
                       "SELECT count(*) FROM " + DaoDdl::QuoteName(Schema().name));
    return count.Step() ? static_cast<LONG>(count.ColumnInteger(0)) : 0;
}

short CDaoTableDef::GetFieldCount() {
    return static_cast<short>(Schema().columns.size());
}

void CDaoTableDef::GetFieldInfo(int nIndex, CDaoFieldInfo& fieldinfo, DWORD) {
    const DaoTableSchema& table = Schema();
    if (nIndex < 0 || nIndex >= static_cast<int>(table.columns.size()))
        CDaoException::Throw(daoErrItemNotFound,
                             "Table '" + CString(table.name) + "' has no column at position " +
                                 CString(std::to_string(nIndex)) + ".",
                             "DAO.TableDef");
    FillFieldInfo(table, table.columns[static_cast<size_t>(nIndex)], fieldinfo);
}

void CDaoTableDef::GetFieldInfo(LPCTSTR lpszName, CDaoFieldInfo& fieldinfo, DWORD) {
    const DaoTableSchema& table = Schema();
    const DaoColumnSchema* column = table.FindColumn(lpszName ? lpszName : "");
    if (!column)
        CDaoException::Throw(daoErrItemNotFound,
                             CString("Table '") + table.name.c_str() + "' has no column named '" +
                                 (lpszName ? lpszName : "") + "'.",
                             "DAO.TableDef");
    FillFieldInfo(table, *column, fieldinfo);
}

short CDaoTableDef::GetIndexCount() {
    return static_cast<short>(Schema().indexes.size());
}

void CDaoTableDef::GetIndexInfo(int nIndex, CDaoIndexInfo& indexinfo, DWORD) {
    const DaoTableSchema& table = Schema();
    if (nIndex < 0 || nIndex >= static_cast<int>(table.indexes.size()))
        CDaoException::Throw(daoErrItemNotFound,
                             "Table '" + CString(table.name) + "' has no index at position " +
                                 CString(std::to_string(nIndex)) + ".",
                             "DAO.TableDef");
    FillIndexInfo(table.indexes[static_cast<size_t>(nIndex)], indexinfo);
}

void CDaoTableDef::GetIndexInfo(LPCTSTR lpszName, CDaoIndexInfo& indexinfo, DWORD) {
    const DaoTableSchema& table = Schema();
    const DaoIndexSchema* index = table.FindIndex(lpszName ? lpszName : "");
    if (!index)
        CDaoException::Throw(daoErrItemNotFound,
                             CString("Table '") + table.name.c_str() + "' has no index named '" +
                                 (lpszName ? lpszName : "") + "'.",
                             "DAO.TableDef");
    FillIndexInfo(*index, indexinfo);
}
