#include "platform/dao/CaughtDaoError.h"

CaughtDaoError::~CaughtDaoError() {
    if (m_error)
        m_error->Delete();
}

LONG CaughtDaoError::Code(int index) const {
    if (!m_error || index < 0 || index >= m_error->GetErrorCount())
        return 0;
    m_error->GetErrorInfo(index);
    return m_error->m_pErrorInfo != nullptr ? m_error->m_pErrorInfo->m_lErrorCode : 0;
}

BOOL CaughtDaoError::Has(LONG code) const {
    for (int i = 0; m_error && i < m_error->GetErrorCount(); ++i) {
        if (Code(i) == code)
            return TRUE;
    }
    return FALSE;
}

CString CaughtDaoError::Message() const {
    char text[512] = "";
    if (m_error)
        m_error->GetErrorMessage(text, sizeof text);
    return text;
}
