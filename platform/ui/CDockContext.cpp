#include "platform/ui/CDockContext.h"

#include "platform/ui/BarStyles.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CDragOutline.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMiniFrameWnd.h"
#include "platform/ui/FrameGeometry.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/SystemSettings.h"

#include <algorithm>

namespace {

// The outline of a floating frame is the frame's border thickness less one pixel.
int FrameOutlineThickness() {
    return std::max(GetSystemMetrics(SM_CXFRAME) - 1, 1);
}

void MoveToHold(CRect& rect, CPoint point) {
    const int cx = GetSystemMetrics(SM_CXBORDER);
    const int cy = GetSystemMetrics(SM_CYBORDER);
    int dx = 0;
    int dy = 0;
    if (point.x < rect.left)
        dx = point.x - rect.left;
    else if (point.x >= rect.right)
        dx = point.x - rect.right + 1 + cx;
    if (point.y < rect.top)
        dy = point.y - rect.top;
    else if (point.y >= rect.bottom)
        dy = point.y - rect.bottom + 1 + cy;
    rect.OffsetRect(dx, dy);
}

} // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(pBar ? pBar->m_pDockSite : nullptr), m_dwDockStyle(0),
      m_dwOverDockStyle(0), m_dwStyle(0), m_bFlip(FALSE), m_bForceFrame(FALSE), m_bDragging(FALSE),
      m_nHitTest(0), m_uMRUDockID(0), m_dwMRUFloatStyle(0), m_ptMRUFloatPos(-1, -1),
      m_bTracking(FALSE), m_outline(std::make_unique<CDragOutline>()) {}

CDockContext::~CDockContext() {
    if (m_bTracking)
        EndTracking(FALSE);
}

void CDockContext::InitLoop() {
    m_pDockSite = m_pBar->m_pDockSite;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    m_bFlip = FALSE;
    m_bForceFrame = FALSE;
    m_rectLast.SetRectEmpty();
    m_bTracking = TRUE;
    m_pBar->SetCapture();
}

void CDockContext::StartDrag(CPoint pt) {
    m_bDragging = TRUE;
    InitLoop();
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    const BOOL dynamic = (m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) != 0;
    const CSize horz = dynamic ? m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK)
                               : m_pBar->CalcFixedLayout(FALSE, TRUE);
    const CSize vert =
        dynamic ? m_pBar->CalcDynamicLayout(0, LM_VERTDOCK) : m_pBar->CalcFixedLayout(FALSE, FALSE);
    const CSize floating = dynamic ? m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH) : horz;
    m_rectDragHorz = CRect(rect.TopLeft(), horz);
    m_rectDragVert = CRect(rect.TopLeft(), vert);
    m_rectFrameDragHorz = CRect(rect.TopLeft(), floating);
    m_rectFrameDragVert = CRect(rect.TopLeft(), dynamic ? floating : vert);
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, MFS_THICKFRAME);
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert, MFS_THICKFRAME);
    for (CRect* r : {&m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz, &m_rectFrameDragVert})
        MoveToHold(*r, pt);
    m_dwOverDockStyle = CanDock();
    DrawFocusRect();
}

void CDockContext::StartResize(int nHitTest, CPoint pt) {
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    InitLoop();
    CFrameWnd* frame = GetParentFrameOf(m_pBar);
    CRect frameRect;
    CRect barRect;
    if (frame)
        frame->GetWindowRect(&frameRect);
    m_pBar->GetWindowRect(&barRect);
    m_rectActualFrameSize = frameRect;
    m_rectActualSize = barRect;
    m_rectRequestedSize = barRect;
    m_rectFrameBorders = CRect(barRect.left - frameRect.left, barRect.top - frameRect.top,
                               frameRect.right - barRect.right, frameRect.bottom - barRect.bottom);
    m_ptLast = pt;
    DrawFocusRect();
}

BOOL CDockContext::Track(UINT message, WPARAM wParam, CPoint ptScreen) {
    if (!m_bTracking)
        return FALSE;
    switch (message) {
    case WM_MOUSEMOVE:
        if (m_bDragging) {
            UpdateState(&m_bForceFrame, (wParam & MK_CONTROL) != 0);
            UpdateState(&m_bFlip, (wParam & MK_SHIFT) != 0);
            Move(ptScreen);
        } else {
            Stretch(ptScreen);
        }
        return TRUE;
    case WM_LBUTTONUP:
        if (m_bDragging)
            EndDrag();
        else
            EndResize();
        return TRUE;
    case WM_RBUTTONDOWN:
        CancelLoop();
        m_bDragging = FALSE;
        return TRUE;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
            CancelLoop();
            m_bDragging = FALSE;
        } else if (m_bDragging && wParam == VK_CONTROL) {
            UpdateState(&m_bForceFrame, message == WM_KEYDOWN);
        } else if (m_bDragging && wParam == VK_SHIFT) {
            UpdateState(&m_bFlip, message == WM_KEYDOWN);
        }
        return TRUE;
    case WM_CAPTURECHANGED:
        CancelLoop();
        m_bDragging = FALSE;
        return TRUE;
    case WM_LBUTTONDOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue) {
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::Move(CPoint pt) {
    const CSize offset = pt - m_ptLast;
    for (CRect* r : {&m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz, &m_rectFrameDragVert})
        r->OffsetRect(offset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

DWORD CDockContext::CanDock() {
    if (!m_pDockSite)
        return 0;
    const bool horz = ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) != (m_bFlip != FALSE);
    DWORD dock = 0;
    if (horz && (m_dwDockStyle & CBRS_ORIENT_HORZ))
        dock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else if (m_dwDockStyle & CBRS_ORIENT_VERT)
        dock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    if (m_bFlip || dock)
        return dock;
    for (const DWORD orient : {CBRS_ORIENT_HORZ, CBRS_ORIENT_VERT}) {
        const DWORD a = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & orient);
        const DWORD b = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & orient);
        if (a && a == b)
            return a;
    }
    return 0;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle) {
    if (!m_pDockSite)
        return nullptr;
    const struct {
        DWORD side;
        UINT id;
    } sides[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
                 {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
                 {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
                 {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};
    for (const auto& side : sides) {
        if (dwOverDockStyle & side.side)
            return dynamic_cast<CDockBar*>(m_pDockSite->GetControlBar(side.id));
    }
    return nullptr;
}

void CDockContext::ShowOutline(const CRect& rect, int thickness, BOOL bHalftone) {
    m_outline->Show(rect, thickness, bHalftone ? RGB(128, 128, 128) : RGB(255, 255, 255));
    m_rectLast = rect;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect) {
    if (bRemoveRect) {
        m_outline->Hide();
        return;
    }
    if (!m_bDragging) {
        ShowOutline(m_rectActualFrameSize, FrameOutlineThickness(), TRUE);
        return;
    }
    if (m_dwOverDockStyle) {
        CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
        ShowOutline(rect, 1, FALSE);
        return;
    }
    const bool horz = ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) != (m_bFlip != FALSE);
    ShowOutline(horz ? m_rectFrameDragHorz : m_rectFrameDragVert, FrameOutlineThickness(), TRUE);
}

void CDockContext::CancelLoop() {
    EndTracking(FALSE);
}

void CDockContext::EndTracking(BOOL) {
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    DrawFocusRect(TRUE);
    if (CWnd::GetCapture() == m_pBar)
        ReleaseCapture();
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
}

void CDockContext::EndDrag() {
    CancelLoop();
    if (m_dwOverDockStyle) {
        CDockBar* dockBar = GetDockBar(m_dwOverDockStyle);
        if (dockBar) {
            CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
            m_uMRUDockID = static_cast<UINT>(dockBar->GetDlgCtrlID());
            m_rectMRUDockPos = rect;
            dockBar->ScreenToClient(&m_rectMRUDockPos);
            m_pDockSite->DockControlBar(m_pBar, dockBar, &rect);
            m_pDockSite->RecalcLayout();
        }
    } else {
        const bool horz = ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) != (m_bFlip != FALSE);
        const DWORD align = horz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
        const CPoint at = horz ? m_rectFrameDragHorz.TopLeft() : m_rectFrameDragVert.TopLeft();
        m_dwMRUFloatStyle = align | (m_pBar->GetBarStyle() & CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = at;
        m_pDockSite->FloatControlBar(m_pBar, at, m_dwMRUFloatStyle);
    }
    m_bDragging = FALSE;
}

void CDockContext::Stretch(CPoint pt) {
    m_rectRequestedSize = StretchRect(m_rectActualFrameSize, m_nHitTest, pt - m_ptLast);
    m_rectActualFrameSize = m_rectRequestedSize;
    m_ptLast = pt;
    DrawFocusRect();
}

void CDockContext::EndResize() {
    CancelLoop();
    const int width = std::max<int>(
        m_rectActualFrameSize.Width() - m_rectFrameBorders.left - m_rectFrameBorders.right, 0);
    m_pBar->CalcDynamicLayout(width, LM_HORZ | LM_COMMIT);
    if (CFrameWnd* frame = GetParentFrameOf(m_pBar)) {
        CRect rect;
        frame->GetWindowRect(&rect);
        m_pDockSite->FloatControlBar(m_pBar, rect.TopLeft(),
                                     m_dwMRUFloatStyle ? m_dwMRUFloatStyle : CBRS_ALIGN_TOP);
    }
}

void CDockContext::ToggleDocking() {
    if (!m_pDockSite)
        m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite)
        return;
    if (m_pBar->IsFloating()) {
        if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
            return;
        CDockBar* dockBar = m_uMRUDockID
                                ? dynamic_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID))
                                : nullptr;
        CRect rect = m_rectMRUDockPos;
        if (dockBar)
            dockBar->ClientToScreen(&rect);
        m_pDockSite->ReDockControlBar(m_pBar, dockBar, &rect);
        m_pDockSite->RecalcLayout();
        return;
    }
    CPoint at = m_ptMRUFloatPos;
    if (at.x < 0 || at.y < 0) {
        CRect rect = m_rectMRUDockPos;
        if (CDockBar* dockBar = m_pBar->m_pDockBar)
            dockBar->ClientToScreen(&rect);
        at = rect.TopLeft();
    }
    m_pDockSite->FloatControlBar(m_pBar, at,
                                 m_dwMRUFloatStyle ? m_dwMRUFloatStyle : CBRS_ALIGN_TOP);
}
