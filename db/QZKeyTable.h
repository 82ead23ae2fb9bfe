#pragma once
// The keys of objects copied from another database mapped to the keys of the rows made for
// them. Entries are kept in the order they were added, in blocks of 32 that never move, so a
// pointer to an entry stays valid for the table's life; each object type has its own cursor
// for walking its entries.

#include "db/QZKeyTableEntry.h"

#include <array>
#include <memory>
#include <vector>

class QZKeyTable {
public:
    static constexpr int kBlockSize = 32;

    QZKeyTable();
    virtual ~QZKeyTable();
    QZKeyTable(const QZKeyTable&) = delete;
    QZKeyTable& operator=(const QZKeyTable&) = delete;

    // Records a copy; the new entry. When memory runs out the table is left as it was.
    QZKeyTableEntry* AddEntry(const QZKeyCombo& oldKey, const QZKeyCombo& newKey, SHORT type);
    // The first entry whose old key equals the key (DbID and KeyID) and whose object type is
    // `type`; nullptr when there is none.
    QZKeyTableEntry* FindEntry(const QZKeyCombo& key, SHORT type) const;
    // The new key of that entry, or the given key itself when there is none. The type stored
    // inside the key plays no part.
    QZKeyCombo MapKey(const QZKeyCombo& key, SHORT type) const;
    // The first entry of the type, which becomes the type's cursor; nullptr when there is none
    // (the cursor is then left as it was).
    QZKeyTableEntry* FindFirst(SHORT type);
    // The next entry of the type after its cursor, which moves there; nullptr when there is
    // none or the type has no cursor yet (the cursor is then left as it was).
    QZKeyTableEntry* FindNext(SHORT type);

    int GetCount() const { return m_count; }

private:
    using Block = std::array<QZKeyTableEntry, kBlockSize>;

    QZKeyTableEntry* At(int index) const;
    // The first entry of the type at or after index; -1 when there is none.
    int FindFrom(int index, SHORT type) const;
    // Index of the type's cursor entry, -1 when none; grows the cursor list as needed.
    int& Cursor(SHORT type);

    std::vector<std::unique_ptr<Block>> m_blocks;
    int m_count;
    std::vector<int> m_cursors; // by object type
};
