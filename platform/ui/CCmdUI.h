#pragma once
// What the idle update hands to a command's update handler: the command id and the user
// interface item that shows it (a menu item or a control), with the operations the handler
// calls to enable, check or name it.

#include "platform/core/Types.h"

class CMenu;
class CWnd;

class CCmdUI {
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    // Asks the target (its OnCmdMsg with CN_UPDATE_COMMAND_UI); when no handler answered and
    // bDisableIfNoHndler is set, the item is disabled. TRUE when a handler answered.
    BOOL DoUpdate(CWnd* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID;
    UINT m_nIndex;
    CMenu* m_pMenu;
    CWnd* m_pOther;
    // Set by any of the operations: a handler took the update.
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
};
