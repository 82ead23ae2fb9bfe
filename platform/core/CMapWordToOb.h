#pragma once

#include "platform/core/MQMap.h"

// A map from 16-bit words to object pointers; its stored form is the count and each key and object.
// The pointers stay their owners' to delete.
class CMapWordToOb : public MQMap<WORD, CObject*> {
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(int nBlockSize = 10) : MQMap<WORD, CObject*>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};
