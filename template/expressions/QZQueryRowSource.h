#pragma once
// The current row of a running query, as the expressions inside the query read it: a field's
// value by its name. The query command's run-time object gives it to its expression context.

#include "platform/core/COleVariant.h"
#include "platform/core/CString.h"

class QZQueryRowSource {
public:
    virtual ~QZQueryRowSource() = default;
    // The value of the named field (without brackets) of the current row.
    virtual COleVariant GetFieldValue(const CString& name) = 0;
};
