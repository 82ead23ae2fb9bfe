#pragma once
// One error of a CDaoException's error list.

#include "platform/core/CString.h"

struct CDaoErrorInfo {
    LONG m_lErrorCode = 0;
    CString m_strSource;
    CString m_strDescription;
    CString m_strHelpFile;
    LONG m_lHelpContext = 0;
};
