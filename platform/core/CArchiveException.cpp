#include "platform/core/CArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName ? lpszArchiveName : "") {}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
    // "%1" of each text is the archive's file name.
    static const char* const texts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing %1.",
        "An attempt was made to write to the reading %1.",
        "An attempt was made to access %1 past its end.",
        "An attempt was made to read from the writing %1.",
        "%1 has a bad format.",
        "%1 contained an unexpected object.",
        "%1 contains an incorrect schema.",
    };
    int cause = m_cause >= none && m_cause <= badSchema ? m_cause : generic;
    CString text = texts[cause];
    text.Replace("%1", m_strFileName.IsEmpty() ? "an unnamed file" : m_strFileName);
    CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
    return TRUE;
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName) {
    throw new CArchiveException(cause, lpszArchiveName);
}
