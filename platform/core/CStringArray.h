#pragma once

#include "platform/core/MQArray.h"

// An array of strings; its stored form is the count and each string.
class CStringArray : public MQArray<CString> {
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray() = default;
    void Serialize(CArchive& ar) override;
};
