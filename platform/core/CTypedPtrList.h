#pragma once

#include "platform/core/CObList.h"
#include "platform/core/CPtrList.h"

// A CObList or CPtrList whose elements are all of one pointer type: the same list, with the
// element type in its signatures instead of casts at every call. The references it returns
// view the stored base pointer as TYPE, so TYPE's CObject part must start the object (single
// inheritance from CObject, as every stored class here has).
template <class BASE_CLASS, class TYPE> class CTypedPtrList : public BASE_CLASS {
public:
    explicit CTypedPtrList(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return AsType(BASE_CLASS::GetHead()); }
    TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
    TYPE& GetTail() { return AsType(BASE_CLASS::GetTail()); }
    TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
    TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }

    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }

    TYPE& GetNext(POSITION& rPosition) { return AsType(BASE_CLASS::GetNext(rPosition)); }
    TYPE GetNext(POSITION& rPosition) const {
        return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition));
    }
    TYPE& GetPrev(POSITION& rPosition) { return AsType(BASE_CLASS::GetPrev(rPosition)); }
    TYPE GetPrev(POSITION& rPosition) const {
        return static_cast<TYPE>(BASE_CLASS::GetPrev(rPosition));
    }

    TYPE& GetAt(POSITION position) { return AsType(BASE_CLASS::GetAt(position)); }
    TYPE GetAt(POSITION position) const { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement) {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement) {
        return BASE_CLASS::InsertAfter(position, newElement);
    }

private:
    static TYPE& AsType(typename BASE_CLASS::BASE_TYPE& element) {
        return reinterpret_cast<TYPE&>(element);
    }
};
