#include "wintoolkit/docking/SECControlBar.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CMiniDockFrameWnd.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/docking/SECControlBarInfo.h"
#include "wintoolkit/docking/SECDockBar.h"
#include "wintoolkit/docking/SECDockContext.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(SECControlBar, CControlBar)

const CSize SECControlBar::s_sizeDefault(300, 180);

namespace {

constexpr int kInsideMargin = 10;

} // namespace

SECControlBar::SECControlBar() : m_dwMRUDockingState(0), m_fPctWidth(1.0f), m_dwExStyle(0) {}

SECControlBar::~SECControlBar() = default;

BOOL SECControlBar::Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle,
                           UINT nID, CCreateContext* pContext) {
    m_dwStyle = dwStyle & CBRS_ALL;
    m_dwExStyle = dwExStyle;
    if (!CWnd::Create(AfxRegisterWndClass(CS_DBLCLKS), lpszWindowName, dwStyle | WS_CHILD, CRect(),
                      pParentWnd, nID, pContext))
        return FALSE;
    if (m_dwExStyle & CBRS_EX_ALLOW_PROPORTION)
        TakeChildLayout();
    m_szMRUHorzDock = m_szMRUVertDock = m_szMRUFloat = s_sizeDefault;
    return TRUE;
}

void SECControlBar::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle;
    if (!m_pDockContext)
        m_pDockContext = new SECDockContext(this);
}

BOOL SECControlBar::IsMDIChild() const {
    auto* dockBar = dynamic_cast<SECDockBar*>(m_pDockBar);
    return dockBar && dockBar->m_bMDIChild;
}

BOOL SECControlBar::FloatsInChildFrame() const {
    if (!IsFloating())
        return FALSE;
    return dynamic_cast<CMiniDockFrameWnd*>(GetParentFrameOf(this)) == nullptr;
}

// ---- sizes ----

CSize SECControlBar::CalcFixedLayout(BOOL, BOOL bHorz) {
    return bHorz ? m_szMRUHorzDock : m_szMRUVertDock;
}

CSize SECControlBar::CalcDynamicLayout(int nLength, DWORD dwMode) {
    if (dwMode & LM_COMMIT) {
        const int length = (dwMode & LM_STRETCH)
                               ? static_cast<int>(m_fPctWidth * static_cast<float>(nLength))
                               : nLength;
        CSize& size = (dwMode & LM_HORZDOCK)   ? m_szMRUHorzDock
                      : (dwMode & LM_VERTDOCK) ? m_szMRUVertDock
                                               : m_szMRUFloat;
        if (dwMode & LM_LENGTHY) {
            size.cy = length;
        } else {
            size.cx = length;
            if (!(dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
                m_nMRUWidth = length;
        }
    }
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
    return m_szMRUFloat;
}

// ---- drawing ----

void SECControlBar::DoPaint(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
}

void SECControlBar::DrawBorders(CDC* pDC, CRect& rect) {
    const bool three = (m_dwExStyle & CBRS_EX_BORDER_3D) != 0;
    const COLORREF dark = three ? (secData.bWin4 ? secData.clrBtnShadow : secData.clrWindowFrame)
                                : secData.clrBtnFace;
    const COLORREF light = three ? secData.clrBtnHilite : secData.clrBtnFace;
    DrawBordersWith(pDC, rect, dark, light, secData.cxBorder2, secData.cyBorder2);
}

void SECControlBar::EraseNonClient() {
    // The bar has no area outside its client here: its borders are part of its painting.
    Invalidate(TRUE);
}

void SECControlBar::GetInsideRect(CRect& rect) {
    GetClientRect(&rect);
    if (m_dwExStyle & CBRS_EX_INSIDE_MARGIN)
        rect.DeflateRect(kInsideMargin, kInsideMargin);
}

// ---- extended style and child layout ----

void SECControlBar::OnExtendedStyleChange(DWORD dwNewExStyle) {
    if (IsFloating()) {
        if (CFrameWnd* frame = GetParentFrameOf(this)) {
            if (dwNewExStyle & CBRS_EX_FIXEDSIZE)
                frame->ModifyStyle(0, MFS_4THICKFRAME);
            else
                frame->ModifyStyle(MFS_4THICKFRAME, WS_THICKFRAME | MFS_THICKFRAME);
            frame->SetWindowPos(nullptr, 0, 0, 0, 0,
                                SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                                    SWP_FRAMECHANGED);
        }
    }
    const bool had = (m_dwExStyle & CBRS_EX_ALLOW_PROPORTION) != 0;
    const bool has = (dwNewExStyle & CBRS_EX_ALLOW_PROPORTION) != 0;
    if (had && has)
        return;
    if (has)
        TakeChildLayout();
    else
        m_pChildLayout.reset();
}

void SECControlBar::TakeChildLayout() {
    m_pChildLayout = std::make_unique<SECChildLayout>();
    CRect client;
    GetClientRect(&client);
    std::vector<SECChildLayout::Record> children;
    for (CWnd* child : GetChildren()) {
        CRect rect;
        child->GetWindowRect(&rect);
        ScreenToClient(&rect);
        children.push_back({child, rect});
    }
    m_pChildLayout->Take(client, children);
}

void SECControlBar::OnSize(UINT nType, int cx, int cy) {
    if (nType != SIZE_MINIMIZED && cx >= 1 && cy >= 1) {
        const bool margin = (m_dwExStyle & CBRS_EX_INSIDE_MARGIN) != 0;
        if (margin) {
            cx = std::max(cx - 2 * kInsideMargin, 0);
            cy = std::max(cy - 2 * kInsideMargin, 0);
        }
        if ((m_dwExStyle & CBRS_EX_ALLOW_PROPORTION) && m_pChildLayout) {
            const CPoint offset = margin ? CPoint(kInsideMargin, kInsideMargin) : CPoint();
            const auto placed = m_pChildLayout->Scale(cx, cy, offset);
            HDWP batch = BeginDeferWindowPos(static_cast<int>(placed.size()));
            const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (secWorkbookMode ? SWP_NOREDRAW : 0);
            for (const auto& record : placed) {
                auto* child = static_cast<CWnd*>(record.child);
                DeferWindowPos(batch, child, nullptr, record.rect.left, record.rect.top,
                               record.rect.Width(), record.rect.Height(), flags);
            }
            EndDeferWindowPos(batch);
        }
    }
    Default();
}

// ---- records ----

void SECControlBar::GetBarInfo(CControlBarInfo* pInfo) {
    CControlBar::GetBarInfo(pInfo);
    auto* info = dynamic_cast<SECControlBarInfo*>(pInfo);
    if (!info)
        return;
    info->m_szMRUFloat = m_szMRUFloat;
    info->m_szMRUHorzDock = m_szMRUHorzDock;
    info->m_szMRUVertDock = m_szMRUVertDock;
    info->m_dwMRUDockingState = m_dwMRUDockingState;
    info->m_dwDockStyle = m_dwDockStyle;
    info->m_fPctWidth = m_fPctWidth;
    info->m_dwExStyle = m_dwExStyle;
    if (auto* context = dynamic_cast<SECDockContext*>(m_pDockContext))
        info->m_bPrevFloating = context->m_bPrevFloating;
}

void SECControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) {
    auto* info = dynamic_cast<SECControlBarInfo*>(pInfo);
    if (!info) {
        CControlBar::SetBarInfo(pInfo, pFrameWnd);
        return;
    }
    m_nMRUWidth = static_cast<int>(info->m_nMRUWidth);
    m_szMRUFloat = info->m_szMRUFloat;
    m_szMRUHorzDock = info->m_szMRUHorzDock;
    m_szMRUVertDock = info->m_szMRUVertDock;
    m_dwMRUDockingState = info->m_dwMRUDockingState;
    m_dwDockStyle = info->m_dwDockStyle;
    m_fPctWidth = info->m_fPctWidth;
    if (info->m_bDocking && m_pDockContext) {
        m_pDockContext->m_uMRUDockID = info->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = info->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = info->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = info->m_ptMRUFloatPos;
        if (auto* context = dynamic_cast<SECDockContext*>(m_pDockContext))
            context->m_bPrevFloating = info->m_bPrevFloating;
    }
    UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    flags |= m_pDockBar ? 0 : SWP_NOMOVE;
    flags |= info->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    m_nStateFlags &= ~(delayShow | delayHide);
    SetWindowPos(nullptr, info->m_pointPos.x, info->m_pointPos.y, 0, 0, flags);
}

// ---- messages ----

LRESULT SECControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU && !RouteToTracking(message, wParam, lParam)) {
        if (!(m_dwExStyle & CBRS_EX_STDCONTEXTMENU))
            return Default();
        OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
                      CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        return 0;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}

void SECControlBar::OnLButtonDown(UINT nFlags, CPoint point) {
    if (FloatsInChildFrame()) {
        Default();
        return;
    }
    CControlBar::OnLButtonDown(nFlags, point);
}

void SECControlBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (FloatsInChildFrame()) {
        Default();
        return;
    }
    CControlBar::OnLButtonDblClk(nFlags, point);
}

void SECControlBar::OnDestroy() {
    if (CFrameWnd* frame = GetDockingFrame())
        frame->DelayRecalcLayout(TRUE);
    m_pChildLayout.reset();
    CControlBar::OnDestroy();
}

void SECControlBar::OnContextMenu(CWnd*, CPoint point) {
    CMenu menu;
    menu.CreatePopupMenu();
    CString text;
    text.LoadString(ID_SEC_ALLOWDOCKING);
    menu.AppendMenu(MF_STRING | ((m_dwDockStyle & CBRS_ALIGN_ANY) ? MF_CHECKED : 0),
                    ID_SEC_ALLOWDOCKING, text);
    text.LoadString(ID_SEC_HIDE);
    menu.AppendMenu(MF_STRING, ID_SEC_HIDE, text);
    OnContextMenuItems(&menu);
    if (m_pDockContext && m_pDockContext->m_pDockSite)
        m_pDockContext->m_pDockSite->SendMessage(
            WM_SEC_BARCONTEXTMENU, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&menu));
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

BOOL SECControlBar::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case ID_SEC_ALLOWDOCKING:
        OnAllowDocking();
        return TRUE;
    case ID_SEC_HIDE:
        OnHide();
        return TRUE;
    case ID_SEC_FLOATINMAIN:
        OnFloatInMainWindow();
        return TRUE;
    default:
        return CControlBar::OnCommand(wParam, lParam);
    }
}

void SECControlBar::OnAllowDocking() {
    if (m_dwDockStyle & CBRS_ALIGN_ANY) {
        m_dwMRUDockingState = m_dwDockStyle & CBRS_ALIGN_ANY;
        if (!IsFloating() && m_pDockContext)
            m_pDockContext->ToggleDocking();
        m_dwDockStyle &= ~CBRS_ALIGN_ANY;
    } else {
        EnableDocking(m_dwMRUDockingState);
    }
}

void SECControlBar::OnHide() {
    CFrameWnd* frame = m_pDockSite ? m_pDockSite : GetDockingFrame();
    if (frame)
        frame->ShowControlBar(this, FALSE, FALSE);
}

void SECControlBar::OnFloatInMainWindow() {
    if (auto* context = dynamic_cast<SECDockContext*>(m_pDockContext))
        context->ToggleFloatInMainWindow();
}
