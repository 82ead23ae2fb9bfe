#include "platform/core/CFileException.h"

#include <cerrno>

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName ? lpszFileName : "") {}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
    // "%1" of each text is the file's name.
    static const char* const texts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing %1.",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An invalid file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
    };
    int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : generic;
    CString text = texts[cause];
    text.Replace("%1", m_strFileName.IsEmpty() ? "an unnamed file" : m_strFileName);
    CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
    return TRUE;
}

int CFileException::ErrnoToException(int nErrno) {
    switch (nErrno) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case EEXIST:
    case ENOTEMPTY:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    case EDEADLK:
    case ENOLCK:
        return lockViolation;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return generic;
    }
}

void CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName) {
    AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

void CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName) {
    ThrowErrno(lOsError, lpszFileName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName) {
    throw new CFileException(cause, lOsError, lpszFileName);
}
