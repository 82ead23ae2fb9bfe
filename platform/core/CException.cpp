#include "platform/core/CException.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
    CopyErrorMessage("", lpszError, nMaxError, pnHelpContext);
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
    char text[512];
    UINT helpContext = 0;
    if (GetErrorMessage(text, sizeof text, &helpContext))
        return AfxMessageBox(text, nType, helpContext);
    if (nMessageID != 0)
        return AfxMessageBox(nMessageID, nType, helpContext);
    return AfxMessageBox("No error message is available.", nType, helpContext);
}

void CException::Delete() {
    if (m_bAutoDelete)
        delete this;
}

void CException::CopyErrorMessage(LPCTSTR text, LPTSTR lpszError, UINT nMaxError,
                                  UINT* pnHelpContext) {
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return;
    size_t length = std::strlen(text);
    if (length >= nMaxError) {
        length = nMaxError - 1;
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(lpszError, text, length);
    lpszError[length] = '\0';
}
