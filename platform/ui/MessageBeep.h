#pragma once
// The desktop's sound for a message-box icon (MB_ICONHAND and the like): the bell.

#include "platform/core/Types.h"

void MessageBeep(UINT type);
