#include "platform/ui/CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

BOOL CResourceException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
    CopyErrorMessage("A window could not be created.", lpszError, nMaxError, pnHelpContext);
    return TRUE;
}

void AfxThrowResourceException() {
    static CResourceException failed(FALSE);
    throw &failed;
}
