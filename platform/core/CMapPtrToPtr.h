#pragma once

#include "platform/core/MQMap.h"

// A map from untyped pointers to untyped pointers. The pointers stay their owners' to delete.
class CMapPtrToPtr : public MQMap<void*, void*> {
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(int nBlockSize = 10) : MQMap<void*, void*>(nBlockSize) {}
};
