#pragma once
// The exception of failed variant conversions.

#include "platform/core/CException.h"
#include "platform/core/OleTypes.h"

// A variant could not be converted: m_sc holds the reason (DISP_E_TYPEMISMATCH when the value
// has no form of the asked type, DISP_E_OVERFLOW when it does not fit, DISP_E_BADVARTYPE for a
// type this layer does not know).
class COleException : public CException {
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    // The code that an exception carries: its own for a COleException, else a general failure.
    static SCODE Process(const CException* e);

    SCODE m_sc;
};

// Throws `new COleException(sc)`.
[[noreturn]] void AfxThrowOleException(SCODE sc);
