#pragma once

#include "platform/core/MQArray.h"

// An array of 32-bit words; its stored form is the count and each word.
class CDWordArray : public MQArray<DWORD> {
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray() = default;
    void Serialize(CArchive& ar) override;
};
