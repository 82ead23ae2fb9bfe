#pragma once

#include "platform/core/MQMap.h"

// A map from strings to untyped pointers. The pointers stay their owners' to delete.
class CMapStringToPtr : public MQMap<CString, void*> {
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(int nBlockSize = 10) : MQMap<CString, void*>(nBlockSize) {}
};
