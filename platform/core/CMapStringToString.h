#pragma once

#include "platform/core/MQMap.h"

// A map from strings to strings; its stored form is the count and each key and value.
class CMapStringToString : public MQMap<CString, CString> {
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(int nBlockSize = 10) : MQMap<CString, CString>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};
