#include "platform/dao/CDaoException.h"

IMPLEMENT_DYNAMIC(CDaoException, CException)

CDaoException::CDaoException() = default;

short CDaoException::GetErrorCount() {
    return static_cast<short>(m_errors.size());
}

void CDaoException::GetErrorInfo(int nIndex) {
    if (nIndex >= 0 && nIndex < static_cast<int>(m_errors.size()))
        m_pErrorInfo = &m_errors[static_cast<size_t>(nIndex)];
}

BOOL CDaoException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
    if (m_errors.empty()) {
        CopyErrorMessage("", lpszError, nMaxError, pnHelpContext);
        return FALSE;
    }
    CopyErrorMessage(m_errors.front().m_strDescription, lpszError, nMaxError, pnHelpContext);
    return TRUE;
}

void CDaoException::AddError(LONG code, const CString& description, const CString& source) {
    CDaoErrorInfo info;
    info.m_lErrorCode = code;
    info.m_strDescription = description;
    info.m_strSource = source;
    m_errors.push_back(info);
    m_pErrorInfo = &m_errors.front();
}

void CDaoException::Throw(LONG code, const CString& description, const CString& source) {
    auto* e = new CDaoException;
    e->AddError(code, description, source);
    throw e;
}
