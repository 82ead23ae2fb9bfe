#pragma once

#include "platform/core/MQArray.h"

// An array of untyped pointers. The pointers stay their owners' to delete.
class CPtrArray : public MQArray<void*> {
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
};
