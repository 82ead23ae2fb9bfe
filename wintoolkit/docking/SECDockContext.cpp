#include "wintoolkit/docking/SECDockContext.h"

#include "platform/ui/CControlBar.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CMiniFrameWnd.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/SystemSettings.h"
#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/docking/SECControlBar.h"
#include "wintoolkit/docking/SECDockBar.h"
#include "wintoolkit/docking/SECDragGeometry.h"
#include "wintoolkit/frame/SECMDIFrameWnd.h"

#include <algorithm>

namespace {

// The status bar's hint while a bar is dragged.
constexpr UINT IDS_SEC_DRAGHINT = 20621;

int FrameOutlineThickness() {
    return std::max(GetSystemMetrics(SM_CXFRAME) - 1, 1);
}

} // namespace

SECDockContext::SECDockContext(CControlBar* pBar)
    : CDockContext(pBar), m_nLastDropRow(-1), m_bPrevFloating(FALSE) {}

void SECDockContext::StartDrag(CPoint pt) {
    m_ptDragStart = pt;
    m_nLastDropRow = -1;
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_SETMESSAGESTRING, IDS_SEC_DRAGHINT, 0);
    m_bDragging = TRUE;
    InitLoop();
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    const CSize horz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
    const CSize vert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
    const CSize floating = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_rectDragHorz = CRect(rect.TopLeft(), horz);
    m_rectDragVert = CRect(rect.TopLeft(), vert);
    m_rectFrameDragHorz = CRect(rect.TopLeft(), floating);
    m_rectFrameDragVert = CRect(rect.TopLeft(), floating);
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragHorz, MFS_THICKFRAME);
    CMiniFrameWnd::CalcBorders(&m_rectFrameDragVert, MFS_THICKFRAME);
    const CSize border(secData.cxBorder2, secData.cyBorder2);
    for (CRect* r : {&m_rectDragHorz, &m_rectDragVert, &m_rectFrameDragHorz, &m_rectFrameDragVert})
        SECDragGeometry::MoveToHold(*r, pt, border);
    m_dwOverDockStyle = CanDock();
    DrawFocusRect();
}

DWORD SECDockContext::CanDock() {
    if (!m_pDockSite)
        return 0;
    std::vector<SECDragGeometry::Candidate> candidates;
    const struct {
        DWORD side;
        UINT id;
    } sides[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
                 {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
                 {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
                 {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};
    for (const auto& side : sides) {
        CControlBar* dockBar = m_pDockSite->GetControlBar(side.id);
        if (!dockBar || !dockBar->IsWindowVisible())
            continue;
        CRect rect;
        dockBar->GetWindowRect(&rect);
        candidates.push_back({side.side, rect});
    }
    const int found =
        SECDragGeometry::CanDock(candidates, m_dwDockStyle, m_rectDragHorz, m_rectDragVert,
                                 m_ptLast, (m_dwStyle & CBRS_ORIENT_HORZ) != 0, m_bFlip != FALSE);
    return found < 0 ? 0 : candidates[static_cast<size_t>(found)].side;
}

CRect SECDockContext::FrameOutline() const {
    const bool horz = ((m_dwStyle & CBRS_ORIENT_HORZ) != 0) != (m_bFlip != FALSE);
    const bool dynamic = (m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) != 0;
    return (horz || dynamic) ? m_rectFrameDragHorz : m_rectFrameDragVert;
}

void SECDockContext::DrawFocusRect(BOOL bRemoveRect) {
    if (bRemoveRect || !m_bDragging) {
        CDockContext::DrawFocusRect(bRemoveRect);
        return;
    }
    const bool deadZone =
        SECDragGeometry::InDeadZone(m_pBar->IsFloating() != FALSE, m_ptDragStart, m_ptLast);
    if (!m_dwOverDockStyle || deadZone) {
        m_nLastDropRow = -1;
        ShowOutline(FrameOutline(), FrameOutlineThickness(), TRUE);
        return;
    }
    CDockBar* dockBar = GetDockBar(m_dwOverDockStyle);
    const CRect drag = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
    CRect rect = drag;
    if (auto* toolkit = dynamic_cast<SECDockBar*>(dockBar))
        rect = toolkit->CalcDropRect(m_pBar, drag, m_ptLast, &m_nLastDropRow, &m_rectDropLast,
                                     &m_ptDropLast);
    ShowOutline(rect, 1, FALSE);
}

void SECDockContext::EndDrag() {
    CancelLoop();
    const BOOL floating = m_pBar->IsFloating();
    const bool deadZone = SECDragGeometry::InDeadZone(floating != FALSE, m_ptDragStart, m_ptLast);
    CDockBar* dockBar = m_dwOverDockStyle ? GetDockBar(m_dwOverDockStyle) : nullptr;
    if (dockBar && !deadZone) {
        CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
        const UINT id = static_cast<UINT>(dockBar->GetDlgCtrlID());
        if (id >= AFX_IDW_DOCKBAR_TOP && id <= AFX_IDW_DOCKBAR_BOTTOM) {
            m_uMRUDockID = id;
            m_rectMRUDockPos = rect;
            dockBar->ScreenToClient(&m_rectMRUDockPos);
        }
        if (auto* toolkit = dynamic_cast<SECDockBar*>(dockBar); toolkit && floating)
            toolkit->SetChangedBar(m_pBar);
        m_pDockSite->DockControlBar(m_pBar, dockBar, &rect);
        m_pDockSite->RecalcLayout();
    } else {
        const DWORD align =
            SECDragGeometry::FloatAlignment(m_pBar->GetBarStyle(), m_bFlip != FALSE);
        const CPoint at = align == CBRS_ALIGN_LEFT ? m_rectFrameDragVert.TopLeft()
                                                   : m_rectFrameDragHorz.TopLeft();
        m_dwMRUFloatStyle = align | (m_pBar->GetBarStyle() & CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = at;
        m_pDockSite->FloatControlBar(m_pBar, at, m_dwMRUFloatStyle);
    }
    m_bDragging = FALSE;
}

void SECDockContext::StartResize(int nHitTest, CPoint pt) {
    CDockContext::StartResize(nHitTest, pt);
    m_rectResizeStart = m_rectActualFrameSize;
    m_ptResizeStart = pt;
}

void SECDockContext::Stretch(CPoint pt) {
    auto* bar = dynamic_cast<SECControlBar*>(m_pBar);
    if (!bar || (bar->m_dwExStyle & CBRS_EX_FIXEDSIZE)) {
        CDockContext::Stretch(pt);
        return;
    }
    const CRect rect =
        SECDragGeometry::Stretch(m_rectResizeStart, m_nHitTest, pt - m_ptResizeStart);
    if (SECDragGeometry::MovesLeft(m_nHitTest) || SECDragGeometry::MovesRight(m_nHitTest)) {
        const int width =
            std::max<int>(rect.Width() - m_rectFrameBorders.left - m_rectFrameBorders.right, 0);
        bar->CalcDynamicLayout(width, LM_HORZ | LM_COMMIT);
    }
    if (SECDragGeometry::MovesTop(m_nHitTest) || SECDragGeometry::MovesBottom(m_nHitTest)) {
        const int height =
            std::max<int>(rect.Height() - m_rectFrameBorders.top - m_rectFrameBorders.bottom, 0);
        bar->CalcDynamicLayout(height, LM_LENGTHY | LM_HORZ | LM_COMMIT);
    }
    m_rectActualFrameSize = rect;
    m_ptLast = pt;
    DrawFocusRect();
}

void SECDockContext::EndResize() {
    auto* bar = dynamic_cast<SECControlBar*>(m_pBar);
    if (!bar || (bar->m_dwExStyle & CBRS_EX_FIXEDSIZE)) {
        CDockContext::EndResize();
        return;
    }
    CancelLoop();
    // Floated again where its frame is, so that the frame takes the bar's new size; the frame
    // keeps its place unless its left or top edge was moved.
    const CPoint at = m_rectActualFrameSize.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, at,
                                 m_dwMRUFloatStyle ? m_dwMRUFloatStyle : CBRS_ALIGN_TOP);
}

void SECDockContext::ToggleDocking() {
    CDockContext::ToggleDocking();
    if (m_pDockSite && !m_pBar->IsFloating())
        m_pDockSite->RecalcLayout(TRUE);
}

void SECDockContext::ToggleFloatInMainWindow() {
    auto* site =
        dynamic_cast<SECMDIFrameWnd*>(m_pBar->m_pDockSite ? m_pBar->m_pDockSite : m_pDockSite);
    if (!site)
        return;
    m_pDockSite = site;
    const DWORD style = m_dwMRUFloatStyle ? m_dwMRUFloatStyle : CBRS_ALIGN_TOP;
    auto* dockBar = dynamic_cast<SECDockBar*>(m_pBar->m_pDockBar);
    if (!dockBar || !dockBar->m_bMDIChild) {
        m_bPrevFloating = m_pBar->IsFloating();
        site->FloatControlBarInMDIChild(m_pBar, m_ptMRUFloatPos, style);
        return;
    }
    if (m_bPrevFloating) {
        site->ReFloatControlBar(m_pBar, m_ptMRUFloatPos, style);
        return;
    }
    if (!(m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
        return;
    auto* target =
        m_uMRUDockID ? dynamic_cast<CDockBar*>(site->GetControlBar(m_uMRUDockID)) : nullptr;
    CRect rect = m_rectMRUDockPos;
    if (target)
        target->ClientToScreen(&rect);
    site->ReDockControlBar(m_pBar, target, &rect);
    site->RecalcLayout();
}
