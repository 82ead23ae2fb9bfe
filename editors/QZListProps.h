#pragma once
// The values of the "List" dialog (236): the list outline's heading, its number of rows and
// its bullet, the index in "Default", "Disc", "Circle", "Square".

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZListProps {
public:
    // From the "Heading:" (1148) and "Rows:" (1299) edits and the "Bullet:" list (1346); FALSE
    // after the message when the rows are not a number, the values then unchanged.
    BOOL SaveFields(const CString& heading, const CString& rows, int bullet);

    UINT m_nRows = 0;
    CString m_strHeading;
    int m_nBullet = -1;
};
