#pragma once

#include "platform/core/MQArray.h"

// An array of object pointers; its stored form is the count and each object. The pointers stay
// their owners' to delete.
class CObArray : public MQArray<CObject*> {
    DECLARE_SERIAL(CObArray)
public:
    CObArray() = default;
    void Serialize(CArchive& ar) override;
};
