#include "shell/QZPreferences.h"

QZPreferences::QZPreferences(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {
    AddPage(&m_GeneralPage);
    AddPage(&m_EditorPage);
    AddPage(&m_ConfirmPage);
    AddPage(&m_UserPage);
}
