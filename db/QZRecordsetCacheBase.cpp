#include "db/QZRecordsetCacheBase.h"

#include <algorithm>

QZRecordsetCacheBase::QZRecordsetCacheBase() : m_capacity(kCapacity) {}

QZRecordsetCacheBase::~QZRecordsetCacheBase() {
    RemoveAll();
    ForgetDatabases();
}

void QZRecordsetCacheBase::RemoveHead() {
    m_sets.pop_front();
}

void QZRecordsetCacheBase::RemoveAll() {
    while (!m_sets.empty())
        RemoveHead();
}

void QZRecordsetCacheBase::AddShared(std::shared_ptr<QZRecordset> set) {
    // A cached set holds no statement or claim of the database open; its members keep the row.
    set->CloseQueryAndSet();
    WatchDatabase(set->m_pDatabase);
    m_sets.push_back(std::move(set));
    if (GetCount() > m_capacity)
        RemoveHead();
}

bool QZRecordsetCacheBase::Holds(const QZRecordset* set) const {
    return std::any_of(
        m_sets.begin(), m_sets.end(),
        [set](const std::shared_ptr<QZRecordset>& held) { return held.get() == set; });
}

void QZRecordsetCacheBase::WatchDatabase(CDaoDatabase* database) {
    if (database == nullptr ||
        std::find(m_databases.begin(), m_databases.end(), database) != m_databases.end())
        return;
    m_databases.push_back(database);
    database->AddDependent(this, [this, database] { DatabaseClosing(database); });
}

void QZRecordsetCacheBase::DatabaseClosing(CDaoDatabase* database) {
    std::erase_if(m_sets, [database](const std::shared_ptr<QZRecordset>& set) {
        return set->m_pDatabase == database;
    });
    std::erase(m_databases, database);
}

void QZRecordsetCacheBase::ForgetDatabases() {
    for (CDaoDatabase* database : m_databases)
        database->RemoveDependent(this);
    m_databases.clear();
}
