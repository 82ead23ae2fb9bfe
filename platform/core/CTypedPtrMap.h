#pragma once

#include "platform/core/CMapPtrToPtr.h"
#include "platform/core/CMapPtrToWord.h"
#include "platform/core/CMapStringToOb.h"
#include "platform/core/CMapStringToPtr.h"
#include "platform/core/CMapWordToOb.h"
#include "platform/core/CMapWordToPtr.h"

// One of the pointer maps whose keys and values are all of one type each. operator[] views
// the stored base pointer as VALUE, as CTypedPtrList's references do.
template <class BASE_CLASS, class KEY, class VALUE> class CTypedPtrMap : public BASE_CLASS {
public:
    using ARG_KEY = typename BASE_CLASS::BASE_ARG_KEY;

    explicit CTypedPtrMap(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
        typename BASE_CLASS::BASE_VALUE value{};
        if (!BASE_CLASS::Lookup(key, value))
            return FALSE;
        rValue = static_cast<VALUE>(value);
        return TRUE;
    }
    VALUE& operator[](ARG_KEY key) { return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key)); }
    void SetAt(ARG_KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(ARG_KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
        typename BASE_CLASS::BASE_KEY key{};
        typename BASE_CLASS::BASE_VALUE value{};
        BASE_CLASS::GetNextAssoc(rNextPosition, key, value);
        rKey = static_cast<KEY>(key);
        rValue = static_cast<VALUE>(value);
    }
};
