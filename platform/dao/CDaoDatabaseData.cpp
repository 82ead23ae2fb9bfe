// Data databases: the files that templates query and change, ours or made by other tools.

#include "platform/core/Paths.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/DaoConnection.h"

void CDaoDatabase::OpenDataFile(LPCTSTR lpszName, BOOL bReadOnly) {
    Close();
    m_connection->OpenData(MapWindowsPath(lpszName ? lpszName : "").str(), bReadOnly != FALSE);
    m_strName = lpszName;
    m_strConnect.Empty();
}

BOOL CDaoDatabase::IsPlainFile() const {
    return IsOpen() && m_connection->IsPlain();
}
