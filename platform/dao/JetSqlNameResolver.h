#pragma once
// Finds what a name of the query stands for, against the catalog. The dialect tries a declared
// parameter, a column of the tables in FROM (the innermost query's first), an alias of the
// select list, and otherwise takes the name for a parameter that the text does not declare.
// Every column found is recorded as a use of its source.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlCatalog.h"
#include "platform/dao/JetSqlFragment.h"
#include "platform/dao/JetSqlParameters.h"
#include "platform/dao/JetSqlScope.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct JetSqlResolution {
    enum class What { Column, Parameter, Alias } what;
    JetSqlFragment fragment;              // Column and Parameter: the name as written in SQLite
    const JetSqlScope* scope = nullptr;   // Column: the scope of its table,
    size_t source = 0;                    // the table's index there,
    std::string column;                   // and the column as the query writes it
    const JetSelectItem* alias = nullptr; // Alias: the item it names, not yet written

    static JetSqlResolution Parameter(JetSqlFragment fragment) {
        return {What::Parameter, std::move(fragment), nullptr, 0, {}, nullptr};
    }
    static JetSqlResolution Alias(const JetSelectItem& item) {
        return {What::Alias, {}, nullptr, 0, {}, &item};
    }
};

// What * or Table.* in a select list stands for.
struct JetSqlStar {
    std::string sql;
    std::vector<std::string> columns; // in the catalog's order and spelling
};

class JetSqlNameResolver {
public:
    JetSqlNameResolver(const JetSqlCatalog& catalog, JetSqlParameters& parameters)
        : m_catalog(catalog), m_parameters(parameters) {}

    // A name of one or two parts, not ending in '*'. Throws JetSqlError.
    JetSqlResolution Resolve(const JetName& name, const JetSqlScope& scope);
    // * (all tables of FROM) or Table.*. Throws JetSqlError.
    JetSqlStar ExpandStar(const JetName& name, const JetSqlScope& scope);
    // The column as the catalog spells it; as given when the table lacks it.
    std::string CatalogSpelling(const std::string& table, const std::string& column) const;

    const JetSqlCatalog& Catalog() const { return m_catalog; }
    JetSqlSourceUses& Uses() { return m_uses; }

private:
    JetSqlResolution ResolveSingle(const JetName& name, const JetSqlScope& scope);
    JetSqlResolution ResolveQualified(const JetName& name, const JetSqlScope& scope);
    JetSqlResolution Column(const JetSqlScope& scope, size_t index, const std::string& column);

    const JetSqlCatalog& m_catalog;
    JetSqlParameters& m_parameters;
    JetSqlSourceUses m_uses;
};
