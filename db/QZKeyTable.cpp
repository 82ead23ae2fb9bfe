#include "db/QZKeyTable.h"

QZKeyTable::QZKeyTable() : m_count(0) {
    m_blocks.push_back(std::make_unique<Block>());
}

QZKeyTable::~QZKeyTable() = default;

QZKeyTableEntry* QZKeyTable::AddEntry(const QZKeyCombo& oldKey, const QZKeyCombo& newKey,
                                      SHORT type) {
    if (m_count == static_cast<int>(m_blocks.size()) * kBlockSize) {
        m_blocks.push_back(std::make_unique<Block>());
    }
    QZKeyTableEntry* entry = At(m_count);
    entry->m_OldKey = oldKey;
    entry->m_NewKey = newKey;
    entry->m_ObjectType = type;
    ++m_count;
    return entry;
}

QZKeyTableEntry* QZKeyTable::FindEntry(const QZKeyCombo& key, SHORT type) const {
    for (int i = 0; i < m_count; ++i) {
        QZKeyTableEntry* entry = At(i);
        if (entry->m_ObjectType == type && entry->m_OldKey == key)
            return entry;
    }
    return nullptr;
}

QZKeyCombo QZKeyTable::MapKey(const QZKeyCombo& key, SHORT type) const {
    const QZKeyTableEntry* entry = FindEntry(key, type);
    return entry != nullptr ? entry->m_NewKey : key;
}

QZKeyTableEntry* QZKeyTable::FindFirst(SHORT type) {
    if (type < 0)
        return nullptr; // object types are 0 or more
    int found = FindFrom(0, type);
    if (found < 0)
        return nullptr;
    Cursor(type) = found;
    return At(found);
}

QZKeyTableEntry* QZKeyTable::FindNext(SHORT type) {
    if (type < 0)
        return nullptr;
    int& cursor = Cursor(type);
    if (cursor < 0)
        return nullptr;
    int found = FindFrom(cursor + 1, type);
    if (found < 0)
        return nullptr;
    cursor = found;
    return At(found);
}

QZKeyTableEntry* QZKeyTable::At(int index) const {
    return &(*m_blocks[static_cast<size_t>(index / kBlockSize)])[index % kBlockSize];
}

int QZKeyTable::FindFrom(int index, SHORT type) const {
    for (int i = index; i < m_count; ++i)
        if (At(i)->m_ObjectType == type)
            return i;
    return -1;
}

int& QZKeyTable::Cursor(SHORT type) {
    if (static_cast<size_t>(type) >= m_cursors.size())
        m_cursors.resize(static_cast<size_t>(type) + 1, -1);
    return m_cursors[static_cast<size_t>(type)];
}
