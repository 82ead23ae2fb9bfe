#pragma once

#include "platform/core/MQArray.h"

// An array of 16-bit words; its stored form is the count and each word.
class CWordArray : public MQArray<WORD> {
    DECLARE_SERIAL(CWordArray)
public:
    CWordArray() = default;
    void Serialize(CArchive& ar) override;
};
