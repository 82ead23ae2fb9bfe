#include "platform/ui/CControlBar.h"

#include "platform/ui/CControlBarInfo.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CDockContext.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"

#include <algorithm>
#include <vector>

// ---- deferred positions ----

struct DeferredPositions {
    struct Move {
        CWnd* wnd;
        int x;
        int y;
        int cx;
        int cy;
        UINT flags;
    };
    std::vector<Move> moves;
};

HDWP BeginDeferWindowPos(int nNumWindows) {
    auto* batch = new DeferredPositions;
    batch->moves.reserve(static_cast<size_t>(std::max(nNumWindows, 0)));
    return batch;
}

HDWP DeferWindowPos(HDWP hWinPosInfo, CWnd* pWnd, const CWnd*, int x, int y, int cx, int cy,
                    UINT uFlags) {
    if (hWinPosInfo && pWnd)
        hWinPosInfo->moves.push_back({pWnd, x, y, cx, cy, uFlags});
    return hWinPosInfo;
}

BOOL EndDeferWindowPos(HDWP hWinPosInfo) {
    if (!hWinPosInfo)
        return FALSE;
    for (const auto& move : hWinPosInfo->moves)
        move.wnd->SetWindowPos(nullptr, move.x, move.y, move.cx, move.cy, move.flags);
    delete hWinPosInfo;
    return TRUE;
}

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, CWnd* pWnd, LPCRECT lpRect) {
    CWnd* parent = pWnd->GetParent();
    CRect old;
    pWnd->GetWindowRect(&old);
    if (parent)
        parent->ScreenToClient(&old);
    if (old == CRect(lpRect))
        return;
    const CRect rect(lpRect);
    if (lpLayout && lpLayout->hDWP)
        DeferWindowPos(lpLayout->hDWP, pWnd, nullptr, rect.left, rect.top, rect.Width(),
                       rect.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    else
        pWnd->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOACTIVATE | SWP_NOZORDER);
}

// ---- the bar ----

namespace {

// The framework's border width along each bordered side.
constexpr int kBorder = 2;

} // namespace

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::CControlBar()
    : m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(nullptr), m_pDockBar(nullptr),
      m_pDockContext(nullptr), m_nMRUWidth(32767), m_bAutoDelete(FALSE), m_nStateFlags(0),
      m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0) {}

CControlBar::~CControlBar() {
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
    if (m_pDockBar)
        m_pDockBar->RemoveControlBar(this, -1, 0);
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
    if ((m_dwStyle ^ dwStyle) & CBRS_BORDER_ANY)
        Invalidate();
    m_dwStyle = dwStyle;
}

BOOL CControlBar::IsFloating() const {
    return m_pDockBar && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsVisible() const {
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE) != 0;
}

void CControlBar::DelayShow(BOOL bShow) {
    m_nStateFlags &= ~(delayHide | delayShow);
    const bool shown = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !shown)
        m_nStateFlags |= delayShow;
    else if (!bShow && shown)
        m_nStateFlags |= delayHide;
}

// A layout asked only for sizes (no position batch) leaves a pending show or hide pending; the
// deferred show or hide moves nothing and draws nothing yet.
DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout) {
    const DWORD style = GetStyle();
    if (!(m_nStateFlags & (delayShow | delayHide)))
        return style;
    const bool show = (m_nStateFlags & delayShow) != 0;
    if (lpLayout && !lpLayout->hDWP)
        return show ? (style | WS_VISIBLE) : (style & ~WS_VISIBLE);
    m_nStateFlags &= ~(delayShow | delayHide);
    const UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE |
                       (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (lpLayout)
        DeferWindowPos(lpLayout->hDWP, this, nullptr, 0, 0, 0, 0, flags);
    else
        SetWindowPos(nullptr, 0, 0, 0, 0, flags);
    return show ? (style | WS_VISIBLE) : (style & ~WS_VISIBLE);
}

CFrameWnd* CControlBar::GetDockingFrame() const {
    return GetParentFrameOf(this);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL) const {
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += kBorder;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += kBorder;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= kBorder;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= kBorder;
    rect.DeflateRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize size(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
    CRect inside;
    CalcInsideRect(inside, bHorz);
    if (size.cx != 32767)
        size.cx -= inside.Width();
    if (size.cy != 32767)
        size.cy -= inside.Height();
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode) {
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

void CControlBar::DoPaint(CDC* pDC) {
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) {
    DrawBordersWith(pDC, rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT),
                    kBorder, kBorder);
}

void CControlBar::DrawBordersWith(CDC* pDC, CRect& rect, COLORREF dark, COLORREF light, int cx,
                                  int cy) {
    const DWORD style = m_dwStyle;
    if (!(style & CBRS_BORDER_ANY))
        return;
    const bool three = (style & CBRS_BORDER_3D) != 0;
    const int right = rect.right - (three ? 1 : 0);
    const int bottom = rect.bottom - (three ? 1 : 0);
    int top = rect.top;
    int sideBottom = bottom;
    if (style & CBRS_BORDER_TOP)
        top += cy;
    if (style & CBRS_BORDER_BOTTOM)
        sideBottom -= cy;
    const int side = std::max(sideBottom - top, 0);
    const int across = rect.Width();
    if (style & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left, top, 1, side, dark);
    if (style & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left, rect.top, across, 1, dark);
    if (style & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(right - 1, top, 1, side, dark);
    if (style & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, bottom - 1, across, 1, dark);
    if (three) {
        if (style & CBRS_BORDER_LEFT)
            pDC->FillSolidRect(rect.left + 1, top, 1, side, light);
        if (style & CBRS_BORDER_TOP)
            pDC->FillSolidRect(rect.left, rect.top + 1, across, 1, light);
        if (style & CBRS_BORDER_RIGHT)
            pDC->FillSolidRect(right - 2, top, 1, side, light);
        if (style & CBRS_BORDER_BOTTOM)
            pDC->FillSolidRect(rect.left, bottom - 2, across, 1, light);
    }
    if (style & CBRS_BORDER_LEFT)
        rect.left += cx;
    if (style & CBRS_BORDER_TOP)
        rect.top += cy;
    if (style & CBRS_BORDER_RIGHT)
        rect.right -= cx;
    if (style & CBRS_BORDER_BOTTOM)
        rect.bottom -= cy;
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle;
    if (!m_pDockContext)
        m_pDockContext = new CDockContext(this);
}

void CControlBar::GetBarInfo(CControlBarInfo* pInfo) {
    pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID()) & 0xFFFF;
    pInfo->m_pBar = this;
    pInfo->m_bVisible = IsVisible();
    pInfo->m_nMRUWidth = static_cast<UINT>(m_nMRUWidth);
    pInfo->m_bFloating = IsFloating();
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    // A docked bar's place in its dock bar; any other bar's (a dock bar's) on the screen.
    CRect rect;
    GetWindowRect(&rect);
    if (m_pDockBar)
        m_pDockBar->ScreenToClient(&rect);
    pInfo->m_pointPos = rect.TopLeft();
    if (m_pDockBar) {
        if (m_pDockContext) {
            pInfo->m_bDocking = TRUE;
            pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
            pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
            pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
            pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
        }
    }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*) {
    m_nMRUWidth = static_cast<int>(pInfo->m_nMRUWidth);
    if (pInfo->m_bDocking && m_pDockContext) {
        m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    flags |= m_pDockBar ? 0 : SWP_NOMOVE;
    flags |= pInfo->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    m_nStateFlags &= ~(delayShow | delayHide);
    SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, flags);
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (RouteToTracking(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_SIZEPARENT:
        return OnSizeParent(wParam, lParam);
    case WM_IDLEUPDATECMDUI:
        if (IsVisible()) {
            CFrameWnd* target = m_pDockSite ? m_pDockSite : GetDockingFrame();
            OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
        }
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CControlBar::RouteToTracking(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_pDockContext || !m_pDockContext->IsTracking())
        return FALSE;
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ClientToScreen(&point);
        return m_pDockContext->Track(message, wParam, point);
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
        return m_pDockContext->Track(message, wParam, CPoint());
    default:
        return FALSE;
    }
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (CFrameWnd* frame = GetParentFrameOf(this)) {
        m_pDockSite = frame;
        frame->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy() {
    if (m_pDockSite) {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

void CControlBar::OnPaint() {
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point) {
    if (!m_pDockContext) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    m_pDockContext->StartDrag(point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (!m_pDockContext) {
        CWnd::OnLButtonDblClk(nFlags, point);
        return;
    }
    m_pDockContext->ToggleDocking();
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const DWORD style = RecalcDelayShow(layout);
    if (!(style & WS_VISIBLE) || !(m_dwStyle & CBRS_ALIGN_ANY))
        return 0;
    CRect rect(layout->rect);
    const CSize avail = rect.Size();
    DWORD mode = layout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        mode |= LM_HORZ | LM_MRUWIDTH;
    else if (m_dwStyle & CBRS_ORIENT_HORZ)
        mode |= LM_HORZ | LM_HORZDOCK;
    else
        mode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, mode);
    size.cx = std::min(size.cx, avail.cx);
    size.cy = std::min(size.cy, avail.cy);
    if (m_dwStyle & CBRS_ORIENT_HORZ) {
        layout->sizeTotal.cy += size.cy;
        layout->sizeTotal.cx = std::max(layout->sizeTotal.cx, size.cx);
        if (m_dwStyle & CBRS_ALIGN_TOP) {
            rect.bottom = rect.top + size.cy;
            layout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            layout->rect.bottom -= size.cy;
        }
    } else {
        layout->sizeTotal.cx += size.cx;
        layout->sizeTotal.cy = std::max(layout->sizeTotal.cy, size.cy);
        if (m_dwStyle & CBRS_ALIGN_LEFT) {
            rect.right = rect.left + size.cx;
            layout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            layout->rect.right -= size.cx;
        }
    }
    if (layout->hDWP)
        AfxRepositionWindow(layout, this, &rect);
    return 0;
}
