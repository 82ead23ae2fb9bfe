#pragma once
// A database error: the engine's error list (code, source, description of each error), thrown
// as a pointer like every exception of the system and freed with Delete().

#include "platform/core/CException.h"
#include "platform/core/OleTypes.h"
#include "platform/dao/CDaoErrorInfo.h"

#include <vector>

class CDaoException : public CException {
    DECLARE_DYNAMIC(CDaoException)
public:
    CDaoException();

    // Number of errors in the list.
    short GetErrorCount();
    // Points m_pErrorInfo at error nIndex of the list (0 is the first).
    void GetErrorInfo(int nIndex);

    // The first error's description.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    void AddError(LONG code, const CString& description, const CString& source);
    // Throws a new exception that holds one error.
    [[noreturn]] static void Throw(LONG code, const CString& description,
                                   const CString& source = "DAO.Database");

    CDaoErrorInfo* m_pErrorInfo = nullptr;
    SCODE m_scode = S_OK;
    int m_nAfxDaoError = 0;

private:
    std::vector<CDaoErrorInfo> m_errors;
};
