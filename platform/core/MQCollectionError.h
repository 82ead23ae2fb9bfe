#pragma once
// What the collections do with a bad index or position.

#include <stdexcept>

// A collection was asked for an element it does not have (an index out of range, a null
// position, the head of an empty list). That is a fault in the caller: it fails loudly here
// instead of reading or writing memory that is not the collection's.
[[noreturn]] inline void MQCollectionError(const char* what) {
    throw std::out_of_range(what);
}
