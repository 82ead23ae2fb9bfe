#pragma once
// The out-of-memory exception.

#include "platform/core/CException.h"

// Thrown when memory cannot be had. AfxThrowMemoryException throws one static instance that
// Delete() leaves alone, since making a new one could fail too.
class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;
};

[[noreturn]] void AfxThrowMemoryException();
