#pragma once
// The part of the recordset caches that does not depend on the recordset class: up to 100
// closed recordsets in the order they were added, the oldest dropped first. A recordset is
// shared between the cache and the objects that loaded it, and is freed when the last of them
// lets go, so dropping it from the cache never frees one that an object still reads. When a
// database closes, the recordsets on it leave the cache first.

#include "db/QZRecordset.h"

#include <deque>
#include <memory>
#include <vector>

class QZRecordsetCacheBase {
public:
    static constexpr int kCapacity = 100;

    QZRecordsetCacheBase();
    ~QZRecordsetCacheBase();
    QZRecordsetCacheBase(const QZRecordsetCacheBase&) = delete;
    QZRecordsetCacheBase& operator=(const QZRecordsetCacheBase&) = delete;

    // Drops the oldest recordset; it is freed unless an object still holds it. The cache must
    // not be empty.
    void RemoveHead();
    // Drops every recordset, oldest first.
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_sets.size()); }
    int GetCapacity() const { return m_capacity; }

protected:
    // Closes the recordset, appends it as the newest and drops the oldest past the capacity.
    // When memory runs out the cache is left as it was.
    void AddShared(std::shared_ptr<QZRecordset> set);
    // TRUE when the cache holds that recordset.
    bool Holds(const QZRecordset* set) const;
    const std::deque<std::shared_ptr<QZRecordset>>& Sets() const { return m_sets; }

private:
    void WatchDatabase(CDaoDatabase* database);
    // The database is closing: its recordsets leave the cache.
    void DatabaseClosing(CDaoDatabase* database);
    void ForgetDatabases();

    std::deque<std::shared_ptr<QZRecordset>> m_sets; // oldest first
    std::vector<CDaoDatabase*> m_databases;          // told to empty this cache on closing
    int m_capacity;
};
