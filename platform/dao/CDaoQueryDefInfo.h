#pragma once
// The description of one stored query, as GetQueryDefInfo gives it.

#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"

struct CDaoQueryDefInfo {
    CString m_strName;
    short m_nType = 0;
    COleDateTime m_dateCreated;
    COleDateTime m_dateLastUpdated;
    BOOL m_bUpdatable = FALSE;
    BOOL m_bReturnsRecords = FALSE;
    CString m_strSQL;
    CString m_strConnect;
    short m_nODBCTimeout = 0;
};
