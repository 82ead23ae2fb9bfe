#pragma once
// One parameter of a query definition: its name, declared type and value.

#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"

struct CDaoParameterInfo {
    CString m_strName;
    short m_nType = 0;
    COleVariant m_varValue;
};
