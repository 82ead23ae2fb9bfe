#pragma once
// The definitions of a database's tables, columns, indexes and stored queries, kept in hidden
// catalog tables inside the same file ("MSysMq..."), so that a copied file carries them. The
// catalog tables show among the table definitions as system tables. A loaded copy is kept in
// memory and reloaded when another connection has changed the catalog.

#include "platform/dao/DaoSchema.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class DaoConnection;

class DaoCatalog {
public:
    explicit DaoCatalog(DaoConnection& connection);

    static bool Exists(DaoConnection& connection);
    static void CreateCatalogTables(DaoConnection& connection, const std::string& locale);

    void Load();
    void Clear();
    // Makes the next RefreshIfChanged reload.
    void Invalidate() {
        m_dataVersion = -1;
        m_storedGeneration = -1;
    }
    void RefreshIfChanged();
    // Changes at every load: what was derived from the catalog before is stale.
    uint64_t generation() const { return m_loads; }

    // Every table, system tables included, sorted by name.
    const std::vector<DaoTableSchema>& tables() const { return m_tables; }
    const DaoTableSchema* FindTable(std::string_view name) const;
    // Every stored query, sorted by name.
    const std::vector<DaoQuerySchema>& queries() const { return m_queries; }
    const DaoQuerySchema* FindQuery(std::string_view name) const;
    const std::string& locale() const { return m_locale; }

    // Changes, each in one write transaction; CDaoException on failure.
    void CreateTable(const DaoTableSchema& table);
    void DropTable(std::string_view name);
    void CreateIndex(std::string_view table, const DaoIndexSchema& index);
    void CreateQuery(const DaoQuerySchema& query);
    void UpdateQuery(const DaoQuerySchema& query);
    void DeleteQuery(std::string_view name);

private:
    static const std::vector<DaoTableSchema>& SystemTables();
    // A plain SQLite file's schema, read from SQLite itself; it is never changed here.
    void LoadPlain();
    void RefreshPlain();
    void RequireOwnCatalog() const;
    void CheckNameFree(std::string_view name, bool forTable) const;
    void InsertIndexRow(const std::string& table, const DaoIndexSchema& index);
    void MakeIndex(const DaoTableSchema& table, const DaoIndexSchema& index);
    void BumpGeneration();
    void Changed();
    void ReadTables();
    void ReadColumns();
    void ReadIndexes();
    void ReadQueries();
    void ReadProperties();
    void BuildLookup();
    int64_t ReadDataVersion();
    int64_t ReadStoredGeneration();

    DaoConnection& m_connection;
    std::vector<DaoTableSchema> m_tables;
    std::vector<DaoQuerySchema> m_queries;
    std::unordered_map<std::string, size_t> m_tableIndex;
    std::unordered_map<std::string, size_t> m_queryIndex;
    std::string m_locale;
    int64_t m_dataVersion = -1;
    int64_t m_storedGeneration = -1;
    uint64_t m_loads = 0;
    bool m_loaded = false;
};
