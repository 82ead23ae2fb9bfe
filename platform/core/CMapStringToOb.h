#pragma once

#include "platform/core/MQMap.h"

// A map from strings to object pointers; its stored form is the count and each key and object. The
// pointers stay their owners' to delete.
class CMapStringToOb : public MQMap<CString, CObject*> {
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(int nBlockSize = 10) : MQMap<CString, CObject*>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};
