#pragma once
// The toolkit's bar layout: the framework's dock state whose records are all toolkit records.

#include "platform/ui/CDockState.h"

class SECDockState : public CDockState {
    DECLARE_SERIAL(SECDockState)
public:
    SECDockState() = default;

    CControlBarInfo* NewBarInfo() override;
};
