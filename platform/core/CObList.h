#pragma once

#include "platform/core/MQList.h"

// A list of object pointers; its stored form is the count and each object. The pointers stay their
// owners' to delete.
class CObList : public MQList<CObject*> {
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(int nBlockSize = 10) : MQList<CObject*>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};
