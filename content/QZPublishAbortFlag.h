#pragma once
// What a production publishing run reads of the Publish Objects dialog: its abort flag, which
// the dialog clears when a run starts and its Abort button sets while the run lets the
// window's messages through between objects.

#include "platform/core/Types.h"

class QZPublishAbortFlag {
public:
    virtual ~QZPublishAbortFlag() = default;

    BOOL m_bAbort = FALSE;
};
