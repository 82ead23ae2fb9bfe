#pragma once

#include "platform/core/MQArray.h"

// An array of unsigned integers.
class CUIntArray : public MQArray<UINT> {
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray() = default;
};
