#pragma once
// The list of named keys that the list recordsets fill and the list loaders return. Whoever
// receives one owns it and every item in it.

#include "db/QZNameAndKey.h"
#include "platform/core/CTypedPtrList.h"

#include <memory>

using QZNameAndKeyList = CTypedPtrList<CObList, QZNameAndKey*>;

// Deletes every item, empties the list and deletes it; a null list is ignored.
void DeleteNameAndKeyList(QZNameAndKeyList* list);

struct QZNameAndKeyListDeleter {
    void operator()(QZNameAndKeyList* list) const { DeleteNameAndKeyList(list); }
};

// A list held until it is handed on with release(); freed with its items otherwise.
using QZNameAndKeyListPtr = std::unique_ptr<QZNameAndKeyList, QZNameAndKeyListDeleter>;
