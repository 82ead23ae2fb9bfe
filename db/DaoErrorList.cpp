#include "db/DaoErrorList.h"

LONG DaoErrorCode(CDaoException* e, int index) {
    if (index < 0 || index >= e->GetErrorCount())
        return 0;
    e->GetErrorInfo(index);
    return e->m_pErrorInfo != nullptr ? e->m_pErrorInfo->m_lErrorCode : 0;
}

BOOL DaoErrorHas(CDaoException* e, LONG code) {
    for (int i = 0; i < e->GetErrorCount(); ++i) {
        if (DaoErrorCode(e, i) == code)
            return TRUE;
    }
    return FALSE;
}
