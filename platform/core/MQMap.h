#pragma once
// The hash map behind CMapStringToOb, CMapStringToPtr, CMapStringToString and the other maps.

#include "platform/core/CObject.h"
#include "platform/core/MQCollectionError.h"

#include <functional>
#include <unordered_map>

// A map from unique keys to values, walked with GetStartPosition and GetNextAssoc. The walk
// visits every entry once, in the order the keys were first added; GetNextAssoc has already
// moved past the entry it returns, so that entry's key may be removed during the walk. String
// keys compare case-sensitively. Values that are pointers are never deleted by the map.
template <typename K, typename V> class MQMap : public CObject {
public:
    using BASE_KEY = K;
    using BASE_ARG_KEY = const K&;
    using BASE_VALUE = V;
    using BASE_ARG_VALUE = const V&;

    explicit MQMap(int /*nBlockSize*/ = 10) {}
    ~MQMap() override { RemoveAll(); }

    int GetCount() const { return static_cast<int>(m_index.size()); }
    int GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return m_index.empty(); }

    // Copies the key's value into rValue; FALSE (and rValue untouched) when the key is absent.
    BOOL Lookup(const K& key, V& rValue) const;
    // The key's value, added as zero (or empty) when absent.
    V& operator[](const K& key) { return Entry(key).value; }
    void SetAt(const K& key, const V& newValue) { Entry(key).value = newValue; }
    BOOL RemoveKey(const K& key);
    void RemoveAll();

    // BEFORE_START_POSITION, or null for an empty map.
    POSITION GetStartPosition() const { return m_index.empty() ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, K& rKey, V& rValue) const;

private:
    // A value, its key and its neighbours in the order of addition (entries of an unordered_map
    // keep their addresses, so they can point at one another).
    struct Link {
        V value{};
        const K* pKey = nullptr;
        Link* pPrev = nullptr;
        Link* pNext = nullptr;
    };

    Link& Entry(const K& key);

    std::unordered_map<K, Link, std::hash<K>> m_index;
    Link* m_pFirst = nullptr;
    Link* m_pLast = nullptr;
};

template <typename K, typename V> BOOL MQMap<K, V>::Lookup(const K& key, V& rValue) const {
    auto found = m_index.find(key);
    if (found == m_index.end())
        return FALSE;
    rValue = found->second.value;
    return TRUE;
}

template <typename K, typename V> BOOL MQMap<K, V>::RemoveKey(const K& key) {
    auto found = m_index.find(key);
    if (found == m_index.end())
        return FALSE;
    Link& link = found->second;
    (link.pPrev ? link.pPrev->pNext : m_pFirst) = link.pNext;
    (link.pNext ? link.pNext->pPrev : m_pLast) = link.pPrev;
    m_index.erase(found);
    return TRUE;
}

template <typename K, typename V> void MQMap<K, V>::RemoveAll() {
    m_index.clear();
    m_pFirst = m_pLast = nullptr;
}

template <typename K, typename V>
void MQMap<K, V>::GetNextAssoc(POSITION& rNextPosition, K& rKey, V& rValue) const {
    Link* link =
        rNextPosition == BEFORE_START_POSITION ? m_pFirst : reinterpret_cast<Link*>(rNextPosition);
    if (!link)
        MQCollectionError("map position is null");
    rNextPosition = reinterpret_cast<POSITION>(link->pNext);
    rKey = *link->pKey;
    rValue = link->value;
}

template <typename K, typename V> typename MQMap<K, V>::Link& MQMap<K, V>::Entry(const K& key) {
    auto [it, added] = m_index.try_emplace(key);
    Link& link = it->second;
    if (added) {
        link.pKey = &it->first;
        link.pPrev = m_pLast;
        (m_pLast ? m_pLast->pNext : m_pFirst) = &link;
        m_pLast = &link;
    }
    return link;
}
