// The catalog of a plain SQLite file: tables from SQLite's own schema, no stored queries, and
// no changes.

#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoPlainSchema.h"

#include <algorithm>
#include <strings.h>

void DaoCatalog::LoadPlain() {
    m_connection.Exec("SAVEPOINT MSysMqRead");
    try {
        m_dataVersion = ReadDataVersion();
        m_storedGeneration = DaoPlainSchema::SchemaVersion(m_connection);
        m_tables = DaoPlainSchema::ReadTables(m_connection);
        m_connection.Exec("RELEASE MSysMqRead");
    } catch (...) {
        m_connection.Exec("ROLLBACK TO MSysMqRead; RELEASE MSysMqRead");
        Clear();
        throw;
    }
    std::sort(m_tables.begin(), m_tables.end(),
              [](const DaoTableSchema& a, const DaoTableSchema& b) {
                  return ::strcasecmp(a.name.c_str(), b.name.c_str()) < 0;
              });
    m_queries.clear();
    m_locale.clear();
    BuildLookup();
    ++m_loads;
    m_loaded = true;
}

// Another program's commit changes the data version; only a change of SQLite's schema
// version means that the tables changed.
void DaoCatalog::RefreshPlain() {
    int64_t dataVersion = ReadDataVersion();
    if (dataVersion == m_dataVersion)
        return;
    m_dataVersion = dataVersion;
    if (DaoPlainSchema::SchemaVersion(m_connection) != m_storedGeneration)
        LoadPlain();
}

void DaoCatalog::RequireOwnCatalog() const {
    if (m_connection.IsPlain())
        CDaoException::Throw(daoErrReadOnly, "The tables of '" + CString(m_connection.path()) +
                                                 "' are defined by the program that made it; "
                                                 "they cannot be changed here.");
}
