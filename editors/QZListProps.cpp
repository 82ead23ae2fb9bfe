#include "editors/QZListProps.h"

#include "editors/QZTableProps.h"

BOOL QZListProps::SaveFields(const CString& heading, const CString& rows, int bullet) {
    UINT rowCount = 0;
    if (!ParseUnsignedField(rows, rowCount))
        return FALSE;
    m_strHeading = heading;
    m_nRows = rowCount;
    m_nBullet = bullet;
    return TRUE;
}
