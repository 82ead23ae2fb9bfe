#pragma once

#include "platform/core/MQArray.h"

// An array of bytes; its stored form is the count and each byte.
class CByteArray : public MQArray<BYTE> {
    DECLARE_SERIAL(CByteArray)
public:
    CByteArray() = default;
    void Serialize(CArchive& ar) override;
};
