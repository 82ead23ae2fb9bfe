#pragma once
// The values of the "Table Size" dialog (216): rows and columns of the table outline. Saving
// the dialog's edits refuses what is not a whole number of zero or more.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZTableProps {
public:
    // From the "Rows:" (1299) and "Columns:" (1300) edits; FALSE after the message when one is
    // not a number, the values then unchanged.
    BOOL SaveFields(const CString& rows, const CString& columns);

    UINT m_nColumns = 0;
    UINT m_nRows = 0;
};

// A whole number of zero or more in an edit's text (blanks around it allowed); FALSE after
// "Please enter a positive integer." otherwise.
BOOL ParseUnsignedField(const CString& text, UINT& value);
