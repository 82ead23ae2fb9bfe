#pragma once
// The preferences sheet: the General, Editor, Confirmations and User pages over the
// application's settings.

#include "platform/ui/CPropertySheet.h"
#include "shell/QZPrefConfimPage.h"
#include "shell/QZPrefEditorPage.h"
#include "shell/QZPrefGeneralPage.h"
#include "shell/QZPrefUserPage.h"

class QZPreferences : public CPropertySheet {
public:
    explicit QZPreferences(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    QZPrefGeneralPage m_GeneralPage;
    QZPrefEditorPage m_EditorPage;
    QZPrefConfimPage m_ConfirmPage;
    QZPrefUserPage m_UserPage;
};
