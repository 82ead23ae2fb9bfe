#pragma once
// The doubly linked list behind CObList, CPtrList and CStringList.

#include "platform/core/CObject.h"
#include "platform/core/MQCollectionError.h"

// A list whose places are POSITIONs: GetNext returns the element at a position and moves the
// position on, so the element just returned can be removed by a position saved before the call
// (pos2 = pos; GetNext(pos); RemoveAt(pos2)). Removing one element never disturbs the positions
// of the others. Elements that are pointers are never deleted by the list.
template <typename T> class MQList : public CObject {
public:
    using BASE_TYPE = T;

    explicit MQList(int /*nBlockSize*/ = 10) {}
    ~MQList() override { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    T& GetHead() { return NonEmpty(m_pHead)->data; }
    const T& GetHead() const { return NonEmpty(m_pHead)->data; }
    T& GetTail() { return NonEmpty(m_pTail)->data; }
    const T& GetTail() const { return NonEmpty(m_pTail)->data; }
    T RemoveHead();
    T RemoveTail();

    POSITION AddHead(const T& newElement) { return InsertBefore(nullptr, newElement); }
    POSITION AddTail(const T& newElement) { return InsertAfter(nullptr, newElement); }
    // Adds another list's elements, in their order, before the head or after the tail.
    void AddHead(MQList* pNewList);
    void AddTail(MQList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return ToPosition(m_pHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pTail); }
    T& GetNext(POSITION& rPosition) { return Step(rPosition, true); }
    const T& GetNext(POSITION& rPosition) const { return Step(rPosition, true); }
    T& GetPrev(POSITION& rPosition) { return Step(rPosition, false); }
    const T& GetPrev(POSITION& rPosition) const { return Step(rPosition, false); }

    T& GetAt(POSITION position) { return At(position)->data; }
    const T& GetAt(POSITION position) const { return At(position)->data; }
    void SetAt(POSITION pos, const T& newElement) { At(pos)->data = newElement; }
    void RemoveAt(POSITION position);

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, const T& newElement);
    POSITION InsertAfter(POSITION position, const T& newElement);

    // The first position after startAfter (or from the head) holding an equal element.
    POSITION Find(const T& searchValue, POSITION startAfter = nullptr) const;
    // The position of the nIndex-th element from 0; null when there is none.
    POSITION FindIndex(int nIndex) const;

private:
    struct Node {
        Node* pNext;
        Node* pPrev;
        T data;
    };

    static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* At(POSITION position);
    static Node* NonEmpty(Node* node);
    T& Step(POSITION& rPosition, bool forward) const;

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    int m_nCount = 0;
};

template <typename T> T MQList<T>::RemoveHead() {
    Node* head = NonEmpty(m_pHead);
    T value = head->data;
    RemoveAt(ToPosition(head));
    return value;
}

template <typename T> T MQList<T>::RemoveTail() {
    Node* tail = NonEmpty(m_pTail);
    T value = tail->data;
    RemoveAt(ToPosition(tail));
    return value;
}

template <typename T> void MQList<T>::AddHead(MQList* pNewList) {
    // Walks back from the tail; the count keeps adding a list to itself finite.
    POSITION pos = pNewList->GetTailPosition();
    for (int count = pNewList->GetCount(); pos && count > 0; --count)
        AddHead(T(pNewList->GetPrev(pos)));
}

template <typename T> void MQList<T>::AddTail(MQList* pNewList) {
    POSITION pos = pNewList->GetHeadPosition();
    for (int count = pNewList->GetCount(); pos && count > 0; --count)
        AddTail(T(pNewList->GetNext(pos)));
}

template <typename T> void MQList<T>::RemoveAll() {
    for (Node* node = m_pHead; node;) {
        Node* next = node->pNext;
        delete node;
        node = next;
    }
    m_pHead = m_pTail = nullptr;
    m_nCount = 0;
}

template <typename T> void MQList<T>::RemoveAt(POSITION position) {
    Node* node = At(position);
    (node->pPrev ? node->pPrev->pNext : m_pHead) = node->pNext;
    (node->pNext ? node->pNext->pPrev : m_pTail) = node->pPrev;
    delete node;
    --m_nCount;
}

template <typename T> POSITION MQList<T>::InsertBefore(POSITION position, const T& newElement) {
    Node* next = position ? At(position) : m_pHead;
    Node* prev = next ? next->pPrev : nullptr;
    Node* node = new Node{next, prev, newElement};
    (prev ? prev->pNext : m_pHead) = node;
    (next ? next->pPrev : m_pTail) = node;
    ++m_nCount;
    return ToPosition(node);
}

template <typename T> POSITION MQList<T>::InsertAfter(POSITION position, const T& newElement) {
    Node* prev = position ? At(position) : m_pTail;
    Node* next = prev ? prev->pNext : nullptr;
    Node* node = new Node{next, prev, newElement};
    (prev ? prev->pNext : m_pHead) = node;
    (next ? next->pPrev : m_pTail) = node;
    ++m_nCount;
    return ToPosition(node);
}

template <typename T> POSITION MQList<T>::Find(const T& searchValue, POSITION startAfter) const {
    Node* node = startAfter ? At(startAfter)->pNext : m_pHead;
    for (; node; node = node->pNext) {
        if (node->data == searchValue)
            return ToPosition(node);
    }
    return nullptr;
}

template <typename T> POSITION MQList<T>::FindIndex(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    Node* node = m_pHead;
    while (nIndex-- > 0)
        node = node->pNext;
    return ToPosition(node);
}

template <typename T> typename MQList<T>::Node* MQList<T>::At(POSITION position) {
    if (!position || position == BEFORE_START_POSITION)
        MQCollectionError("list position is null");
    return reinterpret_cast<Node*>(position);
}

template <typename T> typename MQList<T>::Node* MQList<T>::NonEmpty(Node* node) {
    if (!node)
        MQCollectionError("list is empty");
    return node;
}

template <typename T> T& MQList<T>::Step(POSITION& rPosition, bool forward) const {
    Node* node = At(rPosition);
    rPosition = ToPosition(forward ? node->pNext : node->pPrev);
    return node->data;
}
