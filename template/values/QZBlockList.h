#pragma once
// A short singly linked chain of entry blocks or single entries: the block store of a symbol
// table, and the list of result entries of an expression. Items the list allocates itself are
// released with it; items handed to AddTail belong to their caller.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZSymbol;
class SymbolTable;

class QZBlockList {
public:
    struct Node {
        QZSymbol* item = nullptr; // a block of `capacity` entries, or one entry
        Node* next = nullptr;
        LONG capacity = 0;
        LONG used = 0;
        bool owned = false; // allocated by the list, released with it
    };

    QZBlockList() = default;
    ~QZBlockList();
    QZBlockList(const QZBlockList&) = delete;
    // Replaces this list by a copy of every block of the source: same capacities and used
    // counts, each entry copied with its value (arrays and records deeply).
    QZBlockList& operator=(const QZBlockList& source);

    // Appends a node for an item the caller keeps.
    Node* AddTail(QZSymbol* item, LONG capacity, LONG used);
    // Allocates a block of new entries (stamped with `owner`), appends it and returns it;
    // null when the memory is not there.
    QZSymbol* AddBlock(LONG capacity, SymbolTable* owner = nullptr);
    // The item of the n-th node counted from 1; with `create`, blocks of `blockSize` new
    // entries are appended until there are n nodes. Null for n below 1 or a missing node.
    QZSymbol* GetAt(LONG n, BOOL create, LONG blockSize, SymbolTable* owner = nullptr);
    // Treats each node's item as one entry and returns the first whose name is `name`
    // (case-sensitive); with `create` a new entry of that name is appended when none is.
    QZSymbol* FindEntry(const CString& name, BOOL create);

    Node* GetHead() const { return m_head; }
    Node* GetTail() const { return m_tail; }
    LONG GetCount() const { return m_count; }

private:
    Node* Append(QZSymbol* item, LONG capacity, LONG used, bool owned);
    void RemoveAll();

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    LONG m_count = 0;
};
