#include "platform/inet/CInternetException.h"

IMPLEMENT_DYNAMIC(CInternetException, CException)

CInternetException::CInternetException(DWORD dwError, CString text)
    : m_dwError(dwError), m_text(std::move(text)) {}

BOOL CInternetException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
    CString text = m_text;
    if (text.IsEmpty())
        text.Format("Internet error %lu", static_cast<unsigned long>(m_dwError));
    CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
    return TRUE;
}

void AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError, const CString& text) {
    auto* e = new CInternetException(dwError, text);
    e->m_dwContext = dwContext;
    throw e;
}
