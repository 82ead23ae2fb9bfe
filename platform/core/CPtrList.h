#pragma once

#include "platform/core/MQList.h"

// A list of untyped pointers. The pointers stay their owners' to delete.
class CPtrList : public MQList<void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(int nBlockSize = 10) : MQList<void*>(nBlockSize) {}
};
