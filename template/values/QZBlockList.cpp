#include "template/values/QZBlockList.h"

#include "template/values/QZSymbol.h"

#include <new>
#include <utility>

QZBlockList::~QZBlockList() {
    RemoveAll();
}

QZBlockList& QZBlockList::operator=(const QZBlockList& source) {
    if (&source == this)
        return *this;
    // The copy is built whole before the old blocks go: the source may live inside one of
    // them (an array assigned one of its own elements).
    QZBlockList copy;
    for (Node* node = source.m_head; node != nullptr; node = node->next) {
        QZSymbol* block = copy.AddBlock(node->capacity);
        if (block == nullptr)
            break;
        copy.m_tail->used = node->used;
        for (LONG i = 0; i < node->capacity; i++)
            block[i] = node->item[i];
    }
    std::swap(m_head, copy.m_head);
    std::swap(m_tail, copy.m_tail);
    std::swap(m_count, copy.m_count);
    return *this;
}

QZBlockList::Node* QZBlockList::AddTail(QZSymbol* item, LONG capacity, LONG used) {
    return Append(item, capacity, used, false);
}

QZSymbol* QZBlockList::AddBlock(LONG capacity, SymbolTable* owner) {
    QZSymbol* block = new (std::nothrow) QZSymbol[capacity];
    if (block == nullptr)
        return nullptr;
    for (LONG i = 0; i < capacity; i++)
        block[i].SetOwner(owner);
    Append(block, capacity, 0, true);
    return block;
}

QZSymbol* QZBlockList::GetAt(LONG n, BOOL create, LONG blockSize, SymbolTable* owner) {
    if (n < 1)
        return nullptr;
    if (create) {
        while (m_count < n) {
            if (AddBlock(blockSize, owner) == nullptr)
                return nullptr;
        }
    }
    Node* node = m_head;
    for (LONG i = 1; node != nullptr && i < n; i++)
        node = node->next;
    return node != nullptr ? node->item : nullptr;
}

QZSymbol* QZBlockList::FindEntry(const CString& name, BOOL create) {
    for (Node* node = m_head; node != nullptr; node = node->next) {
        if (node->item != nullptr && node->item->GetName() == name)
            return node->item;
    }
    if (!create)
        return nullptr;
    QZSymbol* entry = AddBlock(1);
    if (entry != nullptr)
        entry->SetName(name);
    return entry;
}

QZBlockList::Node* QZBlockList::Append(QZSymbol* item, LONG capacity, LONG used, bool owned) {
    Node* node = new Node{item, nullptr, capacity, used, owned};
    if (m_tail != nullptr)
        m_tail->next = node;
    else
        m_head = node;
    m_tail = node;
    m_count++;
    return node;
}

void QZBlockList::RemoveAll() {
    Node* node = m_head;
    while (node != nullptr) {
        Node* next = node->next;
        if (node->owned)
            delete[] node->item;
        delete node;
        node = next;
    }
    m_head = m_tail = nullptr;
    m_count = 0;
}
