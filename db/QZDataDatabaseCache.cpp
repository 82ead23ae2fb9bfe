#include "db/QZDataDatabaseCache.h"

#include "platform/dao/CDaoDatabase.h"

QZDataDatabaseCache g_DataDatabaseCache;

std::shared_ptr<CDaoDatabase> QZDataDatabaseCache::Open(const CString& path) {
    for (const auto& [name, database] : m_databases)
        if (name == path && database->IsOpen())
            return database;
    auto database = std::make_shared<CDaoDatabase>();
    database->OpenDataFile(path, FALSE);
    m_databases.emplace_back(path, database);
    if (GetCount() > kCapacity)
        m_databases.pop_front();
    return database;
}

void QZDataDatabaseCache::RemoveAll() {
    m_databases.clear();
}
