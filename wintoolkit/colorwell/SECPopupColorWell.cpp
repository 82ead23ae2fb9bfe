#include "wintoolkit/colorwell/SECPopupColorWell.h"

#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"

IMPLEMENT_DYNCREATE(SECPopupColorWell, SECColorWell)

SECPopupColorWell::SECPopupColorWell() : m_pNotifyWnd(nullptr), m_bDropped(FALSE) {}

SECPopupColorWell::~SECPopupColorWell() {
    DestroyWindow();
}

UINT SECPopupColorWell::GetClassStyle() {
    return CS_SAVEBITS;
}

BOOL SECPopupColorWell::HasFocusFrame() {
    return FALSE;
}

void SECPopupColorWell::Reset() {
    SECColorWell::Reset();
    m_bDropped = FALSE;
}

BOOL SECPopupColorWell::Create(DWORD dwStyle, const RECT* lpButtonRect, CWnd* pParentWnd,
                               BOOL bOtherColor, CCreateContext* pContext) {
    if (!lpButtonRect)
        return FALSE;
    const DWORD style = dwStyle | WS_POPUP | 0x1;
    PrepareLayout(style, 0, 0, pParentWnd, FALSE, bOtherColor);
    const int width = m_rcWell.Width(), height = m_rcWell.Height();
    int x = lpButtonRect->left;
    int y = lpButtonRect->bottom;
    if (y + height > GetSystemMetrics(SM_CYSCREEN))
        y = lpButtonRect->top - height;
    if (x + width > GetSystemMetrics(SM_CXSCREEN))
        x = lpButtonRect->right - width;
    if (!SECColorWell::Create(style, x, y, pParentWnd, 0, FALSE, bOtherColor, pContext))
        return FALSE;
    SetFocus();
    SetTrackHover(TRUE);
    SetCapture();
    m_bDropped = TRUE;
    return TRUE;
}

void SECPopupColorWell::Close() {
    if (!GetSafeHwnd())
        return;
    if (GetCapture() == this)
        ReleaseCapture();
    DestroyWindow();
}

void SECPopupColorWell::NotifyColor() {
    if (m_pNotifyWnd)
        m_pNotifyWnd->SendMessage(SEC_WM_COLORCHOSEN, 0, static_cast<LPARAM>(GetColor()));
}

void SECPopupColorWell::SelectCell(int nCol, int nRow, int nHow) {
    InvalidateCell(m_nSelCol, m_nSelRow);
    InvalidateCell(nCol, nRow);
    m_nSelCol = nCol;
    m_nSelRow = nRow;
    if (nHow != SEC_SELECT_CLICK)
        return;
    NotifyColor();
    Close();
}

void SECPopupColorWell::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    switch (nChar) {
    case VK_TAB:
        if (m_pOtherButton)
            m_pOtherButton->SetFocus();
        return;
    case VK_RETURN:
        SelectCell(m_nSelCol, m_nSelRow, SEC_SELECT_CLICK);
        return;
    case VK_ESCAPE:
        Close();
        return;
    default:
        SECColorWell::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void SECPopupColorWell::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_SPACE)
        SelectCell(m_nSelCol, m_nSelRow, SEC_SELECT_CLICK);
    else
        SECColorWell::OnKeyUp(nChar, nRepCnt, nFlags);
}

void SECPopupColorWell::OnLButtonDown(UINT nFlags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) {
        if (m_pOtherButton && m_pOtherButton->GetSafeHwnd()) {
            CRect button;
            m_pOtherButton->GetWindowRect(&button);
            ScreenToClient(&button);
            if (button.PtInRect(point)) {
                OnOtherColor();
                return;
            }
        }
        SECColorWell::OnLButtonDown(nFlags, point);
        return;
    }
    // Outside: a click on the well's own button is ignored; any other closes the pop-up and
    // goes on to the window under the mouse, in that window's own coordinates.
    CPoint screen(point);
    ClientToScreen(&screen);
    CWnd* target = WindowFromPoint(screen);
    if (target && m_pNotifyWnd && target == m_pNotifyWnd)
        return;
    Close();
    if (target && target != this) {
        CPoint local(screen);
        target->ScreenToClient(&local);
        target->SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(local.x, local.y));
    }
}

void SECPopupColorWell::OnOtherColor() {
    if (m_pNotifyWnd)
        m_pNotifyWnd->PostMessage(SEC_WM_OTHERCOLOR, 0, 0);
    Close();
}

void SECPopupColorWell::OnDestroy() {
    SECColorWell::OnDestroy();
    m_bDropped = FALSE;
}
