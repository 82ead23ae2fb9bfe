#pragma once

#include "platform/core/MQMap.h"

// A map from 16-bit words to untyped pointers. The pointers stay their owners' to delete.
class CMapWordToPtr : public MQMap<WORD, void*> {
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(int nBlockSize = 10) : MQMap<WORD, void*>(nBlockSize) {}
};
