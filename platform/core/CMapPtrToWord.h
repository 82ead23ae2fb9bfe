#pragma once

#include "platform/core/MQMap.h"

// A map from untyped pointers to 16-bit words. The pointers stay their owners' to delete.
class CMapPtrToWord : public MQMap<void*, WORD> {
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(int nBlockSize = 10) : MQMap<void*, WORD>(nBlockSize) {}
};
