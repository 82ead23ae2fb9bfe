#include "wintoolkit/statusbar/SECStatusBar.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CWindowDC.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowMessages.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/display/SECSystemData.h"

#include <algorithm>
#include <cstring>

namespace {

// The update object of one pane: enabling, checking and naming act on the pane.
class SECStatusCmdUI : public CCmdUI {
public:
    explicit SECStatusCmdUI(SECStatusBar& bar) : m_bar(bar) {}

    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        const UINT style = m_bar.GetPaneStyle(static_cast<int>(m_nIndex));
        m_bar.SetPaneStyle(static_cast<int>(m_nIndex),
                           bOn ? style & ~SBPS_DISABLED : style | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override {
        const UINT style = m_bar.GetPaneStyle(static_cast<int>(m_nIndex));
        m_bar.SetPaneStyle(static_cast<int>(m_nIndex),
                           nCheck ? style | SBPS_POPOUT : style & ~SBPS_POPOUT);
    }
    void SetText(LPCTSTR lpszText) override {
        m_bar.SetPaneText(static_cast<int>(m_nIndex), lpszText, TRUE);
    }

private:
    SECStatusBar& m_bar;
};

} // namespace

IMPLEMENT_DYNAMIC(SECStatusBar, SECControlBar)

SECStatusBar::SECStatusBar() {
    m_cyTopBorder = 2;
    m_cxLeftBorder = secData.bWin4 ? 0 : 2;
    m_cxRightBorder = secData.bWin4 ? 0 : 2;
    m_cyBottomBorder = secData.bWin4 ? 0 : 1;
}

SECStatusBar::~SECStatusBar() = default;

BOOL SECStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    // Bottom-aligned with a top border only: no borders at all.
    if (secData.bWin4 && ((dwStyle >> 8) & 0xFF) == 0x82)
        dwStyle &= ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    if (!SECControlBar::Create(pParentWnd, nullptr, dwStyle, 0, nID))
        return FALSE;
    DWORD controlStyle =
        WS_CHILD | WS_VISIBLE | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NOMOVEY;
    if (pParentWnd && (pParentWnd->GetStyle() & WS_THICKFRAME))
        controlStyle |= SBARS_SIZEGRIP;
    CRect client;
    GetClientRect(&client);
    return m_control.Create(STATUSCLASSNAME, nullptr, controlStyle, client, this, 0);
}

BOOL SECStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    m_panes.assign(static_cast<size_t>(std::max(nIDCount, 0)), SECStatusPane());
    BOOL result = TRUE;
    CWindowDC dc(nullptr);
    CFont* oldFont = m_control.GetFont() ? dc.SelectObject(m_control.GetFont()) : nullptr;
    for (int i = 0; i < nIDCount; ++i) {
        SECStatusPane& pane = m_panes[static_cast<size_t>(i)];
        pane.nID = lpIDArray ? lpIDArray[i] : 0;
        pane.nFlags |= SECSTATUS_TEXT_PENDING;
        if (pane.nID != 0) {
            if (!pane.strText.LoadString(pane.nID)) {
                result = FALSE;
                break;
            }
            pane.cxText = dc.GetTextExtent(pane.strText).cx;
        } else {
            pane.cxText = GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pane.nStyle |= SBPS_NOBORDERS | SBPS_STRETCH;
        }
    }
    if (oldFont)
        dc.SelectObject(oldFont);
    UpdateAllPanes(TRUE, TRUE);
    return result;
}

int SECStatusBar::CommandToIndex(UINT nIDFind) const {
    for (size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].nID == nIDFind)
            return static_cast<int>(i);
    return -1;
}

UINT SECStatusBar::GetItemID(int nIndex) const {
    const SECStatusPane* pane = PaneAt(nIndex);
    return pane ? pane->nID : 0;
}

UINT SECStatusBar::GetPaneStyle(int nIndex) const {
    const SECStatusPane* pane = PaneAt(nIndex);
    return pane ? pane->nStyle : 0;
}

void SECStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    SECStatusPane* pane = PaneAt(nIndex);
    if (!pane || pane->nStyle == nStyle)
        return;
    const bool stretchChanged = ((pane->nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    pane->nStyle = nStyle;
    if (stretchChanged) {
        UpdateAllPanes(TRUE, FALSE);
        return;
    }
    pane->nFlags |= SECSTATUS_TEXT_PENDING;
    const CString text = pane->strText;
    SetPaneText(nIndex, text, TRUE);
}

CString SECStatusBar::GetPaneText(int nIndex) const {
    const SECStatusPane* pane = PaneAt(nIndex);
    return pane ? pane->strText : CString();
}

BOOL SECStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate) {
    SECStatusPane* pane = PaneAt(nIndex);
    if (!pane)
        return FALSE;
    if (!SECStatusPanes::TextChanges(*pane, lpszNewText))
        return TRUE;
    pane->strText = lpszNewText ? lpszNewText : "";
    if (!bUpdate) {
        pane->nFlags |= SECSTATUS_TEXT_PENDING;
        return TRUE;
    }
    pane->nFlags &= ~SECSTATUS_TEXT_PENDING;
    const int type = static_cast<int>(pane->nStyle & 0xFFFF);
    m_control.SetText((pane->nStyle & SBPS_DISABLED) ? nullptr
                                                     : static_cast<LPCTSTR>(pane->strText),
                      nIndex, type);
    return TRUE;
}

void SECStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText) {
    if (bUpdateRects && m_control.GetSafeHwnd() && !m_panes.empty()) {
        CRect rect;
        GetWindowRect(&rect);
        rect.OffsetRect(-rect.left, -rect.top);
        CalcInsideRect(rect, TRUE);
        int borders[3] = {0, 0, 0};
        m_control.GetBorders(borders);
        const std::vector<int> edges =
            SECStatusPanes::RightEdges(m_panes, rect.Width(), borders[0], borders[2]);
        m_control.SetParts(static_cast<int>(edges.size()), edges.data());
    }
    if (bUpdateText)
        for (size_t i = 0; i < m_panes.size(); ++i)
            if (m_panes[i].nFlags & SECSTATUS_TEXT_PENDING) {
                const CString text = m_panes[i].strText;
                SetPaneText(static_cast<int>(i), text, TRUE);
            }
}

CSize SECStatusBar::CalcFixedLayout(BOOL, BOOL bHorz) {
    if (!bHorz)
        return CSize(0, 0);
    CWindowDC dc(nullptr);
    CFont* oldFont = m_control.GetFont() ? dc.SelectObject(m_control.GetFont()) : nullptr;
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    if (oldFont)
        dc.SelectObject(oldFont);
    int borders[3] = {0, 2, 2};
    m_control.GetBorders(borders);
    const int height = static_cast<int>(tm.tmHeight - tm.tmInternalLeading) - 1 +
                       2 * (borders[1] + GetSystemMetrics(SM_CYBORDER)) + m_cyTopBorder +
                       m_cyBottomBorder;
    return CSize(32767, std::max(height, m_nMinHeight));
}

void SECStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
    SECStatusCmdUI state(*this);
    state.m_pOther = this;
    for (size_t i = 0; i < m_panes.size(); ++i) {
        state.m_nID = m_panes[i].nID;
        state.m_nIndex = static_cast<UINT>(i);
        state.DoUpdate(pTarget, FALSE);
    }
}

void SECStatusBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
    SECControlBar::CalcInsideRect(rect, bHorz);
    if ((m_control.GetStyle() & SBARS_SIZEGRIP) && !ParentMaximised()) {
        int borders[3] = {0, 0, 0};
        m_control.GetBorders(borders);
        rect.right -= SECStatusPanes::SizeGripWidth(GetSystemMetrics(SM_CXBORDER),
                                                    GetSystemMetrics(SM_CXVSCROLL), borders[0]);
    }
}

void SECStatusBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
    if (GetSafeHwnd() && ((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SECStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        return OnSetText(reinterpret_cast<LPCTSTR>(lParam));
    case WM_GETTEXT:
        return OnGetText(static_cast<int>(wParam), reinterpret_cast<LPTSTR>(lParam));
    case WM_GETTEXTLENGTH: {
        const int index = CommandToIndex(0);
        return index < 0 ? 0 : m_panes[static_cast<size_t>(index)].strText.GetLength();
    }
    case SB_SETMINHEIGHT:
        if (!m_control.GetSafeHwnd())
            return FALSE;
        m_control.SetMinHeight(static_cast<int>(wParam));
        m_nMinHeight = static_cast<int>(wParam);
        return TRUE;
    default:
        return SECControlBar::WindowProc(message, wParam, lParam);
    }
}

BOOL SECStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM)
        return SECControlBar::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}

void SECStatusBar::OnPaint() {
    UpdateAllPanes(FALSE, TRUE);
    SECControlBar::OnPaint();
}

void SECStatusBar::OnSize(UINT nType, int cx, int cy) {
    SECControlBar::OnSize(nType, cx, cy);
    if (m_control.GetSafeHwnd()) {
        CRect inside(0, 0, cx, cy);
        SECControlBar::CalcInsideRect(inside, TRUE);
        m_control.MoveWindow(&inside);
        m_control.ShowWindow(inside.Width() > 0 && inside.Height() > 0 ? SW_SHOW : SW_HIDE);
    }
    UpdateAllPanes(TRUE, FALSE);
}

SECStatusPane* SECStatusBar::PaneAt(int nIndex) {
    return nIndex >= 0 && nIndex < GetCount() ? &m_panes[static_cast<size_t>(nIndex)] : nullptr;
}

const SECStatusPane* SECStatusBar::PaneAt(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? &m_panes[static_cast<size_t>(nIndex)] : nullptr;
}

LRESULT SECStatusBar::OnSetText(LPCTSTR text) {
    const int index = CommandToIndex(0);
    if (index < 0)
        return -1;
    return SetPaneText(index, text, TRUE) ? 0 : -1;
}

LRESULT SECStatusBar::OnGetText(int size, LPTSTR buffer) const {
    if (size <= 0 || !buffer)
        return 0;
    const int index = CommandToIndex(0);
    const char* text =
        index < 0 ? "" : static_cast<LPCTSTR>(m_panes[static_cast<size_t>(index)].strText);
    const size_t count = std::min(std::strlen(text), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text, count);
    buffer[count] = '\0';
    return static_cast<LRESULT>(count + 1);
}

BOOL SECStatusBar::ParentMaximised() const {
    const CWnd* parent = GetParent();
    const CWnd* top = parent ? parent->GetTopLevelParent() : nullptr;
    WINDOWPLACEMENT placement{};
    return top && top->GetWindowPlacement(&placement) && placement.showCmd == SW_SHOWMAXIMIZED;
}
