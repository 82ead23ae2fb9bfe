#include "wintoolkit/toolbar/SECDialogBar.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/DialogContents.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowMessages.h"
#include "platform/ui/WindowStyles.h"

IMPLEMENT_DYNAMIC(SECDialogBar, SECControlBar)

SECDialogBar::SECDialogBar() = default;

SECDialogBar::~SECDialogBar() {
    DestroyWindow();
}

BOOL SECDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle,
                          DWORD dwExStyle, UINT nID) {
    if (!IS_INTRESOURCE(lpszTemplateName))
        return FALSE;
    const DialogTemplate* dialog =
        DialogTemplates::Lookup(static_cast<UINT>(reinterpret_cast<uintptr_t>(lpszTemplateName)));
    if (!dialog)
        return FALSE;
    m_lpszTemplateName = lpszTemplateName;
    const BOOL made =
        SECControlBar::Create(pParentWnd, nullptr, dwStyle & ~WS_VISIBLE, dwExStyle, nID) &&
        DialogContents::Fill(*this, *dialog);
    m_lpszTemplateName = nullptr;
    if (!made) {
        DestroyWindow();
        return FALSE;
    }
    CRect window;
    GetWindowRect(&window);
    m_sizeDefault = window.Size();
    ModifyStyle(WS_CAPTION, WS_CLIPSIBLINGS);
    TakeChildLayout();
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     ((dwStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    m_szMRUFloat = m_szMRUVertDock = m_szMRUHorzDock = m_sizeDefault;
    return TRUE;
}

BOOL SECDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, DWORD dwStyle, DWORD dwExStyle,
                          UINT nID) {
    return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), dwStyle, dwExStyle, nID);
}

BOOL SECDialogBar::SetOccDialogInfo(void* pOccDialogInfo) {
    m_pOccDialogInfo = pOccDialogInfo;
    return TRUE;
}

void SECDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    for (CWnd* child : GetChildren()) {
        const int id = child->GetDlgCtrlID();
        if (id <= 0)
            continue;
        CCmdUI state;
        state.m_pOther = child;
        state.m_nID = static_cast<UINT>(id);
        // Only controls the user acts on (those in the Tab order) are disabled for want of a
        // handler; labels stay as they are.
        state.DoUpdate(pTarget, bDisableIfNoHndler && (child->GetStyle() & WS_TABSTOP) != 0);
    }
}
