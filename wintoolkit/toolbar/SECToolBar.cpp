#include "wintoolkit/toolbar/SECToolBar.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/SysColorBitmap.h"
#include "platform/ui/ToolBarResources.h"
#include "platform/ui/WindowMessages.h"

#include <cstdint>

namespace {

// The update object of one button: enabling greys it, checking presses it in (2: half way).
class SECToolCmdUI : public CCmdUI {
public:
    explicit SECToolCmdUI(SECToolBar& bar) : m_bar(bar) {}

    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        const int index = static_cast<int>(m_nIndex);
        const UINT style = m_bar.GetButtonStyle(index) & ~TBBS_DISABLED;
        m_bar.SetButtonStyle(index, bOn ? style : style | TBBS_DISABLED);
    }
    void SetCheck(int nCheck) override {
        const int index = static_cast<int>(m_nIndex);
        UINT style = m_bar.GetButtonStyle(index) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            style |= TBBS_CHECKED;
        else if (nCheck == 2)
            style |= TBBS_INDETERMINATE;
        m_bar.SetButtonStyle(index, style | TBBS_CHECKBOX);
    }
    void SetText(LPCTSTR) override {}

private:
    SECToolBar& m_bar;
};

TBBUTTON ButtonOf(const SECToolButton& button) {
    TBBUTTON result{};
    result.iBitmap = button.iImage;
    result.idCommand = static_cast<int>(button.nID);
    result.fsStyle = (button.nStyle & TBBS_SEPARATOR)  ? TBSTYLE_SEP
                     : (button.nStyle & TBBS_CHECKBOX) ? TBSTYLE_CHECK
                                                       : TBSTYLE_BUTTON;
    BYTE state = (button.nStyle & TBBS_DISABLED) ? 0 : TBSTATE_ENABLED;
    if (button.nStyle & TBBS_CHECKED)
        state |= TBSTATE_CHECKED;
    if (button.nStyle & TBBS_INDETERMINATE)
        state |= TBSTATE_INDETERMINATE;
    if (button.nStyle & TBBS_PRESSED)
        state |= TBSTATE_PRESSED;
    if (button.nStyle & TBBS_WRAPPED)
        state |= TBSTATE_WRAP;
    result.fsState = state;
    return result;
}

} // namespace

IMPLEMENT_DYNAMIC(SECToolBar, SECControlBar)

SECToolBar::SECToolBar() {
    m_cyTopBorder = m_cyBottomBorder = 3;
}

SECToolBar::~SECToolBar() = default;

BOOL SECToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    if (nID == AFX_IDW_TOOLBAR)
        dwStyle |= CBRS_HIDE_INPLACE;
    if (!SECControlBar::Create(pParentWnd, nullptr, dwStyle, CBRS_EX_FIXEDSIZE, nID))
        return FALSE;
    m_dwStyle = dwStyle & CBRS_ALL;
    if (!m_control.Create(WS_VISIBLE, CRect(), this, 0))
        return FALSE;
    m_control.SetOwner(this);
    m_dwExStyle = CBRS_EX_FIXEDSIZE;
    m_stale.MarkAll();
    return TRUE;
}

BOOL SECToolBar::LoadToolBar(LPCTSTR lpszResourceName) {
    if (!IS_INTRESOURCE(lpszResourceName))
        return FALSE;
    const ToolBarResource* resource =
        ToolBarResources::Lookup(static_cast<UINT>(reinterpret_cast<uintptr_t>(lpszResourceName)));
    if (!resource || resource->wVersion != 1)
        return FALSE;
    std::vector<UINT> ids(resource->items, resource->items + resource->wItemCount);
    if (!SetButtons(ids.data(), static_cast<int>(ids.size())))
        return FALSE;
    const CSize image(resource->wWidth, resource->wHeight);
    SetSizes(SECToolBarLayout::ButtonSizeFor(image), image);
    return LoadBitmap(lpszResourceName);
}

BOOL SECToolBar::LoadBitmap(LPCTSTR lpszResourceName) {
    if (!AfxLoadSysColorBitmap(m_bitmap, lpszResourceName))
        return FALSE;
    m_lpszBitmapName = lpszResourceName;
    BITMAP info{};
    m_bitmap.GetBitmap(&info);
    return m_control.SetImages(&m_bitmap, m_sizeImage.cx > 0 ? info.bmWidth / m_sizeImage.cx : 0);
}

BOOL SECToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
    m_buttons = lpIDArray ? SECToolBarLayout::ButtonsFrom(lpIDArray, nIDCount)
                          : std::vector<SECToolButton>(static_cast<size_t>(nIDCount));
    for (SECToolButton& button : m_buttons)
        if (!lpIDArray)
            button.nStyle = TBBS_SEPARATOR;
    SyncAll();
    m_stale.MarkAll();
    m_bDelayedButtonLayout = TRUE;
    return TRUE;
}

void SECToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    if (m_control.SetBitmapSize(CSize(sizeImage)))
        m_sizeImage = CSize(sizeImage);
    if (m_control.SetButtonSize(CSize(sizeButton)))
        m_sizeButton = CSize(sizeButton);
    m_stale.MarkAll();
    Invalidate();
}

int SECToolBar::CommandToIndex(UINT nIDFind) const {
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i].nID == nIDFind)
            return static_cast<int>(i);
    return -1;
}

UINT SECToolBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)].nID : 0;
}

UINT SECToolBar::GetButtonStyle(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)].nStyle : 0;
}

void SECToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    SECToolButton& button = m_buttons[static_cast<size_t>(nIndex)];
    const UINT kept = button.nStyle & TBBS_WRAPPED;
    if ((button.nStyle & ~TBBS_WRAPPED) == (nStyle & ~TBBS_WRAPPED))
        return;
    const bool separatorChanged = ((button.nStyle ^ nStyle) & TBBS_SEPARATOR) != 0;
    button.nStyle = (nStyle & ~TBBS_WRAPPED) | kept;
    SyncButton(nIndex);
    if (separatorChanged)
        m_stale.MarkAll();
}

void SECToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
    nID = GetItemID(nIndex);
    nStyle = GetButtonStyle(nIndex);
    iImage = nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)].iImage : 0;
}

void SECToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    SECToolButton& button = m_buttons[static_cast<size_t>(nIndex)];
    button.nID = nID;
    button.iImage = iImage;
    button.nStyle = nStyle;
    SyncButton(nIndex);
    m_stale.MarkAll();
}

void SECToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    CRect rect;
    if (!m_control.GetItemRect(nIndex, &rect)) {
        *lpRect = CRect();
        return;
    }
    CRect control;
    if (m_control.GetSafeHwnd()) {
        m_control.GetWindowRect(&control);
        ScreenToClient(&control);
        rect.OffsetRect(control.left, control.top);
    }
    *lpRect = rect;
}

CSize SECToolBar::CalcDynamicLayout(int nLength, DWORD dwMode) {
    if (!(dwMode & LM_COMMIT)) {
        if (((dwMode & LM_HORZDOCK) && m_stale.horz) || ((dwMode & LM_VERTDOCK) && m_stale.vert) ||
            ((dwMode & LM_MRUWIDTH) && m_stale.floating))
            return Layout((dwMode & LM_VERTDOCK) ? 0 : 32767, dwMode | LM_COMMIT);
    } else if (!(((dwMode & LM_HORZDOCK) && (dwMode & LM_LENGTHY)) ||
                 ((dwMode & LM_VERTDOCK) && !(dwMode & LM_LENGTHY)))) {
        return Layout(nLength, dwMode);
    }
    return SECControlBar::CalcDynamicLayout(nLength, dwMode);
}

CSize SECToolBar::Layout(int nLength, DWORD dwMode) {
    const int length = (dwMode & LM_STRETCH) ? static_cast<int>(m_fPctWidth * nLength) : nLength;
    CRect inside;
    CalcInsideRect(inside, (dwMode & LM_VERTDOCK) == 0);
    const int borderX = -inside.Width();
    const int borderY = -inside.Height();
    // A floating length counts the whole bar; the rows get what the borders leave.
    const int rowLength = (dwMode & LM_LENGTHY) ? 32767 : std::max(length - borderX, 0);
    const CSize rows = SECToolBarLayout::Wrap(m_buttons, m_sizeButton, rowLength, &m_rects);
    SyncAll();
    m_control.SetItemRects(m_rects);
    CSize size(rows.cx + borderX, rows.cy + borderY);
    if (dwMode & LM_COMMIT) {
        CSize stored = size;
        if (dwMode & LM_STRETCH)
            ((dwMode & LM_LENGTHY) ? stored.cy : stored.cx) = length;
        if (dwMode & LM_HORZDOCK) {
            m_szMRUHorzDock = stored;
            m_stale.horz = false;
        } else if (dwMode & LM_VERTDOCK) {
            m_szMRUVertDock = stored;
            m_stale.vert = false;
        } else {
            m_szMRUFloat = stored;
            m_nMRUWidth = stored.cx;
            m_stale.floating = false;
        }
    }
    return size;
}

void SECToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    SECToolCmdUI state(*this);
    state.m_pOther = this;
    for (int i = 0; i < GetCount(); ++i) {
        if (m_buttons[static_cast<size_t>(i)].nStyle & TBBS_SEPARATOR)
            continue;
        state.m_nID = m_buttons[static_cast<size_t>(i)].nID;
        state.m_nIndex = static_cast<UINT>(i);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

void SECToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
    if (GetSafeHwnd() && ((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_bDelayedButtonLayout = TRUE;
}

LRESULT SECToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // A button's command goes to the frame the bar works for.
        if (CWnd* target = CommandTarget();
            target && lParam == 0 + reinterpret_cast<LPARAM>(m_control.GetSafeHwnd()))
            return target->SendMessage(WM_COMMAND, wParam, 0);
        break;
    case WM_SETMESSAGESTRING:
        if (CWnd* target = CommandTarget())
            return target->SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
        return 0;
    case WM_SYSCOLORCHANGE:
        if (m_lpszBitmapName)
            LoadBitmap(m_lpszBitmapName);
        break;
    case WM_PAINT:
        m_bDelayedButtonLayout = FALSE;
        break;
    default:
        break;
    }
    return SECControlBar::WindowProc(message, wParam, lParam);
}

void SECToolBar::OnSize(UINT nType, int cx, int cy) {
    SECControlBar::OnSize(nType, cx, cy);
    if (!m_control.GetSafeHwnd())
        return;
    CRect inside(0, 0, cx, cy);
    CalcInsideRect(inside, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    m_control.MoveWindow(&inside);
}

void SECToolBar::SyncButton(int nIndex) {
    m_control.SetButton(nIndex, ButtonOf(m_buttons[static_cast<size_t>(nIndex)]));
}

void SECToolBar::SyncAll() {
    std::vector<TBBUTTON> buttons;
    for (const SECToolButton& button : m_buttons)
        buttons.push_back(ButtonOf(button));
    if (static_cast<int>(buttons.size()) != m_control.GetButtonCount()) {
        m_control.SetButtons(buttons);
        return;
    }
    for (int i = 0; i < GetCount(); ++i)
        m_control.SetButton(i, buttons[static_cast<size_t>(i)]);
}

CWnd* SECToolBar::CommandTarget() const {
    if (m_pDockSite)
        return m_pDockSite;
    return GetTopLevelParent();
}
