#pragma once
// The catalog as the dialect translator asks it: which tables and columns exist, in what
// order and of what type.

#include "platform/dao/JetSqlCatalog.h"

class DaoCatalog;

class DaoJetCatalog : public JetSqlCatalog {
public:
    explicit DaoJetCatalog(const DaoCatalog& catalog) : m_catalog(catalog) {}

    bool HasTable(const std::string& table) const override;
    bool HasColumn(const std::string& table, const std::string& column) const override;
    std::vector<std::string> Columns(const std::string& table) const override;
    JetParamType ColumnType(const std::string& table, const std::string& column) const override;

    // The column type (dbLong ...) of a parameter type; 0 for Unknown.
    static short FieldType(JetParamType type);

private:
    const DaoCatalog& m_catalog;
};
