#pragma once
// The base of the exceptions the system throws. They are thrown as pointers
// (`throw new CFileException(...)`), caught as pointers and freed with Delete().

#include "platform/core/CObject.h"
#include "platform/core/MessageBox.h"

// An error with a text for the user. Delete() frees an exception made with new; one that is
// not to be freed (a static or local one) is made with auto-delete off.
class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}

    // Copies the error's text (cut to nMaxError - 1 bytes) into lpszError; FALSE when there
    // is none. The help context, when asked for, is 0: the texts carry no help topics.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr);
    // Shows the error's text in a message box (or the string nMessageID, or a general text,
    // when there is none) and returns the button pressed.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    void Delete();

protected:
    // Helper for GetErrorMessage: copies text into the caller's buffer, never splitting a
    // UTF-8 sequence when it has to cut.
    static void CopyErrorMessage(LPCTSTR text, LPTSTR lpszError, UINT nMaxError,
                                 UINT* pnHelpContext);

    BOOL m_bAutoDelete;
};
