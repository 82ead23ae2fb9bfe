#pragma once

#include "platform/core/MQList.h"

// A list of strings; its stored form is the count and each string.
class CStringList : public MQList<CString> {
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(int nBlockSize = 10) : MQList<CString>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};
