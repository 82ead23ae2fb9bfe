#include "platform/dao/DaoJetCatalog.h"

#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConstants.h"

bool DaoJetCatalog::HasTable(const std::string& table) const {
    return m_catalog.FindTable(table) != nullptr;
}

bool DaoJetCatalog::HasColumn(const std::string& table, const std::string& column) const {
    const DaoTableSchema* schema = m_catalog.FindTable(table);
    return schema && schema->FindColumn(column);
}

std::vector<std::string> DaoJetCatalog::Columns(const std::string& table) const {
    std::vector<std::string> names;
    if (const DaoTableSchema* schema = m_catalog.FindTable(table))
        for (const DaoColumnSchema& column : schema->columns)
            names.push_back(column.name);
    return names;
}

JetParamType DaoJetCatalog::ColumnType(const std::string& table, const std::string& column) const {
    const DaoTableSchema* schema = m_catalog.FindTable(table);
    const DaoColumnSchema* def = schema ? schema->FindColumn(column) : nullptr;
    if (!def)
        return JetParamType::Unknown;
    switch (def->type) {
    case dbLong:
        return JetParamType::Long;
    case dbInteger:
        return JetParamType::Short;
    case dbByte:
        return JetParamType::Byte;
    case dbText:
    case dbMemo:
        return JetParamType::Text;
    case dbDate:
        return JetParamType::DateTime;
    case dbSingle:
    case dbDouble:
    case dbCurrency:
        return JetParamType::Double;
    case dbBoolean:
        return JetParamType::Boolean;
    default:
        return JetParamType::Unknown;
    }
}

short DaoJetCatalog::FieldType(JetParamType type) {
    switch (type) {
    case JetParamType::Long:
        return dbLong;
    case JetParamType::Short:
        return dbInteger;
    case JetParamType::Byte:
        return dbByte;
    case JetParamType::Text:
        return dbText;
    case JetParamType::DateTime:
        return dbDate;
    case JetParamType::Double:
        return dbDouble;
    case JetParamType::Boolean:
        return dbBoolean;
    case JetParamType::Unknown:
        break;
    }
    return 0;
}
