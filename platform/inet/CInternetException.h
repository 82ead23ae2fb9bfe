#pragma once
// The exception of failed internet operations: the error number of the transfer library and
// its text, with the operation's context value.

#include "platform/core/CException.h"
#include "platform/core/CString.h"
#include "platform/inet/InternetTypes.h"

class CInternetException : public CException {
    DECLARE_DYNAMIC(CInternetException)
public:
    explicit CInternetException(DWORD dwError, CString text = CString());

    // The text of the failure ("Access denied: 530", "Couldn't connect to server", ...).
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    DWORD m_dwError;
    DWORD_PTR m_dwContext = 0;

private:
    CString m_text;
};

[[noreturn]] void AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError,
                                            const CString& text = CString());
