#include "platform/core/CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
    CopyErrorMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
    return TRUE;
}

void AfxThrowMemoryException() {
    static CMemoryException outOfMemory(FALSE);
    throw &outOfMemory;
}
