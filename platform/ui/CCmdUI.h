#pragma once
// What the idle update hands to a command's update handler: the command id and the user
// interface item that shows it (a menu item or a control), with the operations the handler
// calls to enable, check or name it.

#include "platform/core/Types.h"

class CCmdTarget;
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
    // Asks the target (its OnCmdMsg with CN_UPDATE_COMMAND_UI); when no update handler answered
    // and bDisableIfNoHndler is set, the item is enabled exactly when the target's route has a
    // handler for the command. TRUE when an update handler answered.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID;
    UINT m_nIndex;
    CMenu* m_pMenu;
    CWnd* m_pOther;
    // Set by Enable: a handler said whether the item is enabled.
    BOOL m_bEnableChanged;
    // Set by an update handler that lets the update go on along the route.
    BOOL m_bContinueRouting;
};

// Whether the command's update, along the target's route, leaves it enabled (TRUE when no
// update handler disables it).
BOOL IsCommandEnabled(CCmdTarget* pTarget, UINT nID);
