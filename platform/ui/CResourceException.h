#pragma once
// The exception of a window or other resource of the window system that could not be made.

#include "platform/core/CException.h"

class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;
};

[[noreturn]] void AfxThrowResourceException();
