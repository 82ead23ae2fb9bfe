#pragma once
// The description of one column of a table, query or recordset, as CreateField takes it and
// GetFieldInfo gives it.

#include "platform/core/CString.h"

struct CDaoFieldInfo {
    CString m_strName;
    short m_nType = 0;
    LONG m_lSize = 0;
    LONG m_lAttributes = 0;
    short m_nOrdinalPosition = 0;
    BOOL m_bRequired = FALSE;
    BOOL m_bAllowZeroLength = FALSE;
    LONG m_lCollatingOrder = 0;
    CString m_strForeignName;
    CString m_strSourceField;
    CString m_strSourceTable;
    CString m_strValidationRule;
    CString m_strValidationText;
    CString m_strDefaultValue;
};
