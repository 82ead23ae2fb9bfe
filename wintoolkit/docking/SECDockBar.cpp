#include "wintoolkit/docking/SECDockBar.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CDockContext.h"
#include "platform/ui/CDragOutline.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/docking/SECControlBar.h"
#include "wintoolkit/docking/SECControlBarInfo.h"
#include "wintoolkit/docking/SECDockSizer.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(SECDockBar, CDockBar)

namespace {

// The tracking band of a dragged sizer is this thick.
constexpr int kBandThickness = 5;

DWORD SideOf(DWORD style) {
    for (const DWORD side :
         {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT}) {
        if (style & side)
            return side;
    }
    return CBRS_ALIGN_TOP;
}

} // namespace

SECDockBar::SECDockBar(BOOL bFloating, BOOL bMDIChild)
    : CDockBar(bFloating), m_bMDIChild(bMDIChild), m_bPaintRequest(FALSE),
      m_layout(m_arrBars, *this), m_pLayoutParams(nullptr), m_hdwp(nullptr), m_pTracking(nullptr),
      m_nTrackOrigin(0), m_nTrackLeading(0), m_nGrabOffset(0),
      m_band(std::make_unique<CDragOutline>()) {
    m_layout.SetFloating(bFloating);
}

SECDockBar::~SECDockBar() = default;

// ---- the layout's site ----

BOOL SECDockBar::IsBarVisible(CControlBar* pBar) const {
    return pBar->IsVisible();
}

CRect SECDockBar::GetBarRect(CControlBar* pBar) const {
    CRect rect;
    pBar->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

UINT SECDockBar::GetBarId(CControlBar* pBar) const {
    return static_cast<UINT>(pBar->GetDlgCtrlID());
}

void SECDockBar::SetMRUDockRect(CControlBar* pBar, const CRect& rect) {
    if (pBar->m_pDockContext)
        pBar->m_pDockContext->m_rectMRUDockPos = rect;
}

void SECDockBar::BeginMoves(int nCount) {
    m_hdwp = BeginDeferWindowPos(nCount);
}

void SECDockBar::MoveBar(CControlBar* pBar, const CRect& rect, UINT nFlags) {
    if (m_hdwp)
        DeferWindowPos(m_hdwp, pBar, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       nFlags);
    else
        pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
}

void SECDockBar::EndMoves() {
    EndDeferWindowPos(m_hdwp);
    m_hdwp = nullptr;
}

void SECDockBar::ApplyDelayShow(CControlBar* pBar) {
    AFX_SIZEPARENTPARAMS layout{};
    layout.hDWP = m_bLayoutQuery ? nullptr : m_hdwp;
    if (!m_bLayoutQuery && !m_hdwp) {
        pBar->RecalcDelayShow(nullptr);
        return;
    }
    pBar->RecalcDelayShow(&layout);
}

CSize SECDockBar::GetDockBarSize() const {
    CRect client;
    GetClientRect(&client);
    return client.Size();
}

CRect SECDockBar::GetPaneRect() const {
    auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    if (!frame)
        frame = m_pDockSite;
    CRect pane;
    if (!frame)
        return pane;
    frame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &pane);
    frame->ClientToScreen(&pane);
    ScreenToClient(&pane);
    return pane;
}

// ---- layout ----

CSize SECDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize room = m_rectLayout.Size();
    if (m_rectLayout.IsRectEmpty()) {
        CRect inside;
        if (CFrameWnd* frame = GetParentFrameOf(this))
            frame->GetInsideClientRect(&inside);
        room = inside.Size();
    }
    m_layout.SetAlignment(SideOf(m_dwStyle));
    m_layout.SetFloating(m_bFloating);
    CRect inside;
    CalcInsideRect(inside, bHorz);
    const CRect borders(inside.left, inside.top, -inside.right, -inside.bottom);
    return m_layout.CalcFixedLayout(bStretch, bHorz, room, m_bLayoutQuery, borders);
}

LRESULT SECDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam) {
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    AFX_SIZEPARENTPARAMS* oldParams = m_pLayoutParams;
    const BOOL oldQuery = m_bLayoutQuery;
    const CRect oldRect = m_rectLayout;
    const int oldDefer = secDeferRedraw;
    m_pLayoutParams = layout;
    m_bLayoutQuery = layout->hDWP == nullptr;
    m_rectLayout = layout->rect;
    if (secDeferRedraw)
        secDeferRedraw = m_layout.m_bLayoutChanged;
    const LRESULT result = CDockBar::OnSizeParent(wParam, lParam);
    m_pLayoutParams = oldParams;
    m_bLayoutQuery = oldQuery;
    m_rectLayout = oldRect;
    secDeferRedraw = oldDefer;
    return result;
}

void SECDockBar::DoPaint(CDC* pDC) {
    for (const auto& line : m_layout.Separators())
        line->Draw(pDC);
    for (const auto& sizer : m_layout.Sizers())
        sizer->Draw(pDC);
    if (m_bPaintRequest) {
        for (CControlBar* bar : m_layout.m_arrRepaint)
            bar->Invalidate(TRUE);
        m_layout.m_arrRepaint.clear();
        m_layout.m_bLayoutChanged = FALSE;
        m_bPaintRequest = FALSE;
    }
    CDockBar::DoPaint(pDC);
}

void SECDockBar::RedrawBars() {
    m_bPaintRequest = TRUE;
    if (!m_layout.m_arrRepaint.empty()) {
        Invalidate(TRUE);
        UpdateWindow();
    }
}

// ---- docking ----

void SECDockBar::TakeStyleOf(CControlBar* pBar) {
    if (m_bFloating)
        m_dwStyle = (m_dwStyle & ~CBRS_FLOAT_MULTI) | (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI);
    m_dwStyle = (m_dwStyle & ~(CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED)) |
                (pBar->GetBarStyle() & (CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED));
    if (!(m_dwStyle & CBRS_FLOAT_MULTI)) {
        CString title;
        pBar->GetWindowText(title);
        SetWindowText(title.Left(260));
    }
    DWORD style = pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING);
    style |= (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
    if (m_bFloating)
        style |= CBRS_FLOATING;
    pBar->SetBarStyle(style);
}

// Makes the bar a child of this dock bar at the rectangle's corner (or the pen's start), with
// no size until the layout gives it one.
void SECDockBar::Adopt(CControlBar* pBar, LPCRECT lpRect) {
    // Made a child here first: the old dock bar's floating frame may go when the bar leaves it.
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (pBar->m_pDockBar && pBar->m_pDockBar != this)
        pBar->m_pDockBar->RemoveControlBar(pBar, -1, 1);
    pBar->m_pDockBar = this;
    CPoint corner(-secData.cxBorder2, -secData.cyBorder2);
    if (lpRect) {
        corner = CPoint(lpRect->left, lpRect->top);
        ScreenToClient(&corner);
    }
    pBar->SetWindowPos(nullptr, corner.x, corner.y, 0, 0,
                       SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    m_layout.RemovePlaceHolder(GetBarId(pBar));
    if (CFrameWnd* frame = GetDockingFrame())
        frame->DelayRecalcLayout(TRUE);
}

void SECDockBar::DockAt(CControlBar* pBar, LPCRECT lpRect, BOOL bReDock) {
    TakeStyleOf(pBar);
    CRect client;
    if (lpRect) {
        client = *lpRect;
        ScreenToClient(&client);
    }
    const int at = m_layout.FindBar(pBar);
    if (at >= 0) {
        auto* toolkit = dynamic_cast<SECControlBar*>(pBar);
        CRect now;
        pBar->GetWindowRect(&now);
        if (toolkit && (toolkit->m_dwExStyle & CBRS_EX_FIXEDSIZE) && lpRect && now == CRect(lpRect))
            return;
        if (!lpRect)
            return;
        int rowStart = -1;
        int place = 0;
        m_layout.FindPlace(client, pBar, &rowStart, &place);
        if (rowStart == m_layout.RowStart(at) && (place == at || place == at + 1))
            return;
        m_layout.RemoveBar(pBar, -1, 0);
    }
    bool placed = false;
    if (bReDock) {
        const int holder = m_layout.FindBar(PlaceHolderOf(GetBarId(pBar)));
        if (holder >= 0) {
            m_arrBars[holder] = pBar;
            placed = true;
        }
    }
    if (!placed)
        m_layout.InsertAtRect(pBar, lpRect ? &client : nullptr);
    Adopt(pBar, lpRect);
    if (bReDock)
        m_layout.m_pChangedBar = pBar;
}

void SECDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) {
    DockAt(pBar, lpRect, FALSE);
}

void SECDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect) {
    DockAt(pBar, lpRect, TRUE);
}

void SECDockBar::DockControlBarAtPos(CControlBar* pBar, int nColumn, int nRow) {
    TakeStyleOf(pBar);
    if (m_layout.FindBar(pBar) >= 0)
        m_layout.RemoveBar(pBar, -1, 0);
    m_layout.InsertBar(pBar, nColumn, nRow);
    Adopt(pBar, nullptr);
    if (CFrameWnd* frame = GetDockingFrame())
        frame->ModifyStyle(MFS_4THICKFRAME, WS_THICKFRAME | MFS_THICKFRAME);
}

BOOL SECDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder) {
    if (!m_layout.RemoveBar(pBar, nPosExclude, nAddPlaceHolder))
        return FALSE;
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    if (!pBar->m_pDockContext)
        return FALSE;
    return AfterRemove();
}

void SECDockBar::OnBarShowChanged(CControlBar* pBar) {
    m_layout.OnBarShowChanged(pBar);
}

void SECDockBar::OnSizerMoved(SECDockSizer* pSizer, int nDelta) {
    m_layout.OnSizerMoved(pSizer, nDelta);
}

void SECDockBar::GetBarInfo(CControlBarInfo* pInfo) {
    CDockBar::GetBarInfo(pInfo);
    auto* info = dynamic_cast<SECControlBarInfo*>(pInfo);
    if (!info)
        return;
    info->m_bMDIChild = m_bMDIChild;
    if (m_bMDIChild) {
        if (CWnd* main = AfxGetMainWnd()) {
            CRect rect;
            GetWindowRect(&rect);
            main->ScreenToClient(&rect);
            info->m_pointPos = rect.TopLeft();
        }
    }
}

CRect SECDockBar::CalcDropRect(CControlBar* pBar, const CRect& rectDrag, CPoint point,
                               int* pnLastRow, CRect* pLastRect, CPoint* pLastPoint) {
    CPoint origin(0, 0);
    ClientToScreen(&origin);
    const CPoint back(-origin.x, -origin.y);
    m_layout.SetAlignment(SideOf(m_dwStyle));
    CRect lastRect = *pLastRect + back;
    CPoint lastPoint = *pLastPoint + back;
    const CRect result = m_layout.CalcDropRect(pBar, rectDrag + back, point + back, pnLastRow,
                                               &lastRect, &lastPoint);
    *pLastRect = lastRect + origin;
    *pLastPoint = lastPoint + origin;
    return result + origin;
}

// ---- sizers ----

CRect SECDockBar::BandRect(int nLeading) const {
    const CRect& r = m_pTracking->m_rect;
    CRect band = m_pTracking->m_nOrientation == SECDockSizer::verticalBand
                     ? CRect(nLeading, r.top + 1, nLeading + kBandThickness, r.bottom - 1)
                     : CRect(r.left + 1, nLeading, r.right - 1, nLeading + kBandThickness);
    ClientToScreen(&band);
    return band;
}

BOOL SECDockBar::StartSizerTracking(SECDockSizer* pSizer, CPoint point) {
    CWnd* capture = CWnd::GetCapture();
    if (capture && capture != this)
        return FALSE;
    m_layout.CalcSizerLimits(pSizer);
    SetCapture();
    UpdateWindow();
    m_pTracking = pSizer;
    m_nTrackOrigin = pSizer->Leading();
    m_nTrackLeading = m_nTrackOrigin;
    m_nGrabOffset =
        (pSizer->m_nOrientation == SECDockSizer::verticalBand ? point.x : point.y) - m_nTrackOrigin;
    m_band->ShowFilled(BandRect(m_nTrackLeading), RGB(128, 128, 128));
    return TRUE;
}

BOOL SECDockBar::TrackSizer(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        const int along =
            m_pTracking->m_nOrientation == SECDockSizer::verticalBand ? point.x : point.y;
        const int leading = m_pTracking->ClampLeading(along - m_nGrabOffset);
        if (leading != m_nTrackLeading) {
            m_nTrackLeading = leading;
            m_band->ShowFilled(BandRect(leading), RGB(128, 128, 128));
        }
        if (message == WM_LBUTTONUP)
            EndSizerTracking(FALSE);
        return TRUE;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            EndSizerTracking(TRUE);
        return TRUE;
    case WM_RBUTTONDOWN:
        EndSizerTracking(TRUE);
        return TRUE;
    case WM_CAPTURECHANGED:
        EndSizerTracking(FALSE);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        return TRUE;
    default:
        return FALSE;
    }
}

void SECDockBar::EndSizerTracking(BOOL bCancel) {
    SECDockSizer* sizer = m_pTracking;
    if (!sizer)
        return;
    m_pTracking = nullptr;
    m_band->Hide();
    if (CWnd::GetCapture() == this)
        ReleaseCapture();
    const int delta = bCancel ? 0 : m_nTrackLeading - m_nTrackOrigin;
    if (delta != 0)
        OnSizerMoved(sizer, delta);
    if (CFrameWnd* frame = GetDockingFrame())
        frame->DelayRecalcLayout(TRUE);
}

// ---- messages ----

LRESULT SECDockBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pTracking && TrackSizer(message, wParam, lParam))
        return 0;
    if (message == WM_NCACTIVATE)
        return Default();
    return CDockBar::WindowProc(message, wParam, lParam);
}

int SECDockBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDockBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    secData.GetHSizeCursor();
    secData.GetVSizeCursor();
    return 0;
}

void SECDockBar::OnDestroy() {
    EndSizerTracking(TRUE);
    m_layout.ClearBands();
    CDockBar::OnDestroy();
}

void SECDockBar::OnMouseMove(UINT, CPoint point) {
    SECDockSizer* sizer = m_layout.SizerAt(point);
    if (!sizer)
        SetCursor(secData.hcurArrow);
    else if (sizer->m_nOrientation == SECDockSizer::verticalBand)
        SetCursor(secData.GetHSizeCursor());
    else
        SetCursor(secData.GetVSizeCursor());
}

void SECDockBar::OnLButtonDown(UINT nFlags, CPoint point) {
    if (SECDockSizer* sizer = m_layout.SizerAt(point)) {
        StartSizerTracking(sizer, point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

BOOL SECDockBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (pWnd == this)
        return TRUE;
    return CDockBar::OnSetCursor(pWnd, nHitTest, message);
}
