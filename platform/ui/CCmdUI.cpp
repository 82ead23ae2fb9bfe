#include "platform/ui/CCmdUI.h"

#include "platform/ui/CCmdTarget.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CWnd.h"

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(nullptr), m_pOther(nullptr), m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE) {}

void CCmdUI::Enable(BOOL bOn) {
    if (m_pMenu)
        m_pMenu->EnableMenuItem(m_nID, MF_BYCOMMAND | (bOn ? MF_ENABLED : MF_GRAYED));
    else if (m_pOther)
        m_pOther->EnableWindow(bOn);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
    if (m_pMenu)
        m_pMenu->CheckMenuItem(m_nID, MF_BYCOMMAND | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetRadio(BOOL bOn) {
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText) {
    if (m_pOther)
        m_pOther->SetWindowText(lpszText);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    m_bEnableChanged = FALSE;
    if (!pTarget)
        return FALSE;
    const BOOL handled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    // Without an update handler the item is enabled exactly when some target on the route has
    // a handler for the command itself; an update handler that does not enable or disable the
    // item leaves its state alone.
    if (bDisableIfNoHndler && !handled && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info;
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}

namespace {

// Asks a command's update only whether the command is enabled now.
class CommandEnabledTest : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        enabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetText(LPCTSTR) override {}

    BOOL enabled = TRUE;
};

} // namespace

BOOL IsCommandEnabled(CCmdTarget* pTarget, UINT nID) {
    CommandEnabledTest state;
    state.m_nID = nID;
    if (pTarget)
        pTarget->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
    return state.enabled;
}
