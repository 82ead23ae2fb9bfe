#include "platform/core/COleException.h"

IMPLEMENT_DYNAMIC(COleException, CException)

namespace {
// E_FAIL, the code of a failure that says nothing more.
constexpr SCODE kGeneralFailure = static_cast<SCODE>(0x80004005u);
} // namespace

BOOL COleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
    const char* text = "Unspecified error";
    if (m_sc == DISP_E_TYPEMISMATCH)
        text = "Type mismatch.";
    else if (m_sc == DISP_E_OVERFLOW)
        text = "Out of present range.";
    else if (m_sc == DISP_E_BADVARTYPE)
        text = "Bad variable type.";
    CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
    return TRUE;
}

SCODE COleException::Process(const CException* e) {
    if (e && e->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException*>(e)->m_sc;
    return kGeneralFailure;
}

void AfxThrowOleException(SCODE sc) {
    throw new COleException(sc);
}
