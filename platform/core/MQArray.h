#pragma once
// The growable array behind CObArray, CPtrArray, CStringArray and the number arrays.

#include "platform/core/CObject.h"
#include "platform/core/MQCollectionError.h"

#include <vector>

// An array indexed from 0 that grows on demand (SetAtGrow, InsertAt past the end). New
// elements are zero (or empty strings). An index out of range throws std::out_of_range.
// Elements that are pointers are never deleted by the array.
template <typename T> class MQArray : public CObject {
public:
    using BASE_TYPE = T;

    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    int GetUpperBound() const { return GetSize() - 1; }
    // nGrowBy is the original's allocation step; growth here is the vector's own.
    void SetSize(int nNewSize, int nGrowBy = -1);
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const T& GetAt(int nIndex) const { return m_data.at(Index(nIndex)); }
    void SetAt(int nIndex, const T& newElement) { m_data.at(Index(nIndex)) = newElement; }
    T& ElementAt(int nIndex) { return m_data.at(Index(nIndex)); }
    const T* GetData() const { return m_data.data(); }
    T* GetData() { return m_data.data(); }

    // Sets the element, first growing the array to hold nIndex.
    void SetAtGrow(int nIndex, const T& newElement);
    // Adds at the end and returns the new element's index.
    int Add(const T& newElement);
    // Adds a copy of src's elements at the end; returns the index of the first.
    int Append(const MQArray& src);
    void Copy(const MQArray& src);

    const T& operator[](int nIndex) const { return GetAt(nIndex); }
    T& operator[](int nIndex) { return ElementAt(nIndex); }

    // Inserts nCount copies at nIndex; past the end the array grows to reach nIndex first.
    void InsertAt(int nIndex, const T& newElement, int nCount = 1);
    void InsertAt(int nStartIndex, MQArray* pNewArray);
    void RemoveAt(int nIndex, int nCount = 1);

protected:
    // The stored form shared by the arrays that have one: a count, then each element.
    void SerializeElements(CArchive& ar);

private:
    static size_t Index(int nIndex);

    std::vector<T> m_data;
};

template <typename T> void MQArray<T>::SerializeElements(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetSize()));
        for (int i = 0; i < GetSize(); ++i)
            ar << GetAt(i);
        return;
    }
    // Elements are added one by one, so a corrupt count meets the end of the archive before it
    // can ask for a huge allocation.
    RemoveAll();
    for (DWORD count = ar.ReadCount(); count > 0; --count) {
        T element{};
        ar >> element;
        Add(element);
    }
}

template <typename T> void MQArray<T>::SetSize(int nNewSize, int) {
    if (nNewSize < 0)
        MQCollectionError("array size is negative");
    m_data.resize(static_cast<size_t>(nNewSize), T());
}

template <typename T> void MQArray<T>::SetAtGrow(int nIndex, const T& newElement) {
    size_t index = Index(nIndex);
    if (index >= m_data.size())
        m_data.resize(index + 1, T());
    m_data[index] = newElement;
}

template <typename T> int MQArray<T>::Add(const T& newElement) {
    m_data.push_back(newElement);
    return GetUpperBound();
}

template <typename T> int MQArray<T>::Append(const MQArray& src) {
    int first = GetSize();
    std::vector<T> copy = src.m_data;
    m_data.insert(m_data.end(), copy.begin(), copy.end());
    return first;
}

template <typename T> void MQArray<T>::Copy(const MQArray& src) {
    if (this != &src)
        m_data = src.m_data;
}

template <typename T> void MQArray<T>::InsertAt(int nIndex, const T& newElement, int nCount) {
    size_t index = Index(nIndex);
    if (nCount < 0)
        MQCollectionError("array insert count is negative");
    T value = newElement;
    if (index >= m_data.size())
        m_data.resize(index, T());
    m_data.insert(m_data.begin() + static_cast<std::ptrdiff_t>(index), static_cast<size_t>(nCount),
                  value);
}

template <typename T> void MQArray<T>::InsertAt(int nStartIndex, MQArray* pNewArray) {
    size_t index = Index(nStartIndex);
    std::vector<T> copy = pNewArray->m_data;
    if (index >= m_data.size())
        m_data.resize(index, T());
    m_data.insert(m_data.begin() + static_cast<std::ptrdiff_t>(index), copy.begin(), copy.end());
}

template <typename T> void MQArray<T>::RemoveAt(int nIndex, int nCount) {
    size_t index = Index(nIndex);
    if (nCount < 0 || index + static_cast<size_t>(nCount) > m_data.size())
        MQCollectionError("array remove range is out of bounds");
    auto first = m_data.begin() + static_cast<std::ptrdiff_t>(index);
    m_data.erase(first, first + nCount);
}

template <typename T> size_t MQArray<T>::Index(int nIndex) {
    if (nIndex < 0)
        MQCollectionError("array index is negative");
    return static_cast<size_t>(nIndex);
}
