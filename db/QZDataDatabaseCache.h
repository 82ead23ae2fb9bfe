#pragma once
// The data databases (the site owner's own files, which query objects name) kept open for one
// generate, preview or publish run, so that the pages of a run do not open the same file again
// for every query. Nothing here holds a read of a file between two queries, so every query
// sees what other programs have written meanwhile. The run ends by emptying the cache with the
// recordset caches (ClearRecordsetCaches).

#include "platform/core/CString.h"

#include <deque>
#include <memory>
#include <utility>

class CDaoDatabase;

class QZDataDatabaseCache {
public:
    static constexpr int kCapacity = 8;

    // The open database of the file, shared with the caller: the cached one, or the file
    // opened now (shared, read-write; never made) and cached as the newest, the oldest dropped
    // past the capacity. An open that fails throws the engine's exception and caches nothing.
    std::shared_ptr<CDaoDatabase> Open(const CString& path);
    // Drops every database; each closes once no caller holds it any more.
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_databases.size()); }

private:
    std::deque<std::pair<CString, std::shared_ptr<CDaoDatabase>>> m_databases; // oldest first
};

extern QZDataDatabaseCache g_DataDatabaseCache;
