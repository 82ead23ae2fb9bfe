#pragma once
// One field of an index.

#include "platform/core/CString.h"

struct CDaoIndexFieldInfo {
    CString m_strName;
    BOOL m_bDescending = FALSE;
};
