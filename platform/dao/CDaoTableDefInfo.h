#pragma once
// The description of one table definition, as GetTableDefInfo gives it.

#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"

struct CDaoTableDefInfo {
    CString m_strName;
    BOOL m_bUpdatable = FALSE;
    LONG m_lAttributes = 0;
    COleDateTime m_dateCreated;
    COleDateTime m_dateLastUpdated;
    CString m_strSrcTableName;
    CString m_strConnect;
    CString m_strValidationRule;
    CString m_strValidationText;
    LONG m_lRecordCount = 0;
};
