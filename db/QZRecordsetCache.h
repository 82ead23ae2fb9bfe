#pragma once
// The cache of one recordset class (templates, pages, forms, messages, events, images, services
// or sections): read-only loads of the same object within a run are answered from it instead
// of the database. Loads for editing never go through a cache.
//
// Objects hold their cached recordset through a Handle and let go by MarkReleased (or by
// dropping the handle); the recordset is freed after the last of the cache and its holders has
// let go, exactly once.

#include "db/QZKeyCombo.h"
#include "db/QZRecordsetCacheBase.h"

#include <memory>

template <class T> class QZRecordsetCache : public QZRecordsetCacheBase {
public:
    using Handle = std::shared_ptr<T>;

    // Appends a loaded recordset (closing it) as the newest entry.
    void Add(Handle set) { AddShared(std::move(set)); }

    // The oldest cached recordset whose DbID and own ID are the key's (its type is not
    // compared), shared with the caller; null when none matches.
    Handle Find(const QZKeyCombo& key) const {
        for (const auto& held : Sets()) {
            auto* set = static_cast<T*>(held.get());
            if (set->*T::TableDef().dbId == key.m_DbID && set->*T::TableDef().ownId == key.m_KeyID)
                return std::static_pointer_cast<T>(held);
        }
        return nullptr;
    }

    // The object that held `owner` lets go of it. 1 when the cache still keeps the recordset
    // for the next load; 0 when it had dropped it (it is freed once nobody else holds it).
    int MarkReleased(Handle& owner) {
        bool kept = Holds(owner.get());
        owner.reset();
        return kept ? 1 : 0;
    }

    // The read-only load: the cached recordset of the key, or a new one opened by key through
    // the class's stored query, closed and cached. Null when there is no such row (or the
    // database stayed busy); engine errors pass on.
    Handle Load(CDaoDatabase* database, const QZKeyCombo& key) {
        if (Handle found = Find(key))
            return found;
        auto set = std::make_shared<T>(database);
        int result = set->OpenByKey(key, T::GetKeyQueryName(), 0);
        if (result != QZRecordset::openFound && result != QZRecordset::openReadOnly)
            return nullptr;
        Add(set);
        return set;
    }
};
