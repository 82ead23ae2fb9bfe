#include "wintoolkit/frame/SECFrameDocking.h"

#include "platform/ui/CBrush.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPen.h"
#include "platform/ui/StockObjects.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/docking/SECControlBar.h"
#include "wintoolkit/docking/SECDockBar.h"
#include "wintoolkit/docking/SECMiniDockFrameWnd.h"

namespace {

struct Side {
    DWORD align;
    UINT id;
};

const Side kSides[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
                       {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
                       {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
                       {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};

CDockBar* DockBarOf(CFrameWnd& frame, UINT id) {
    return dynamic_cast<CDockBar*>(frame.GetControlBar(id));
}

} // namespace

CDockBar* SECFrameDocking::SideOf(CFrameWnd& frame, CControlBar* pBar) {
    const DWORD align = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    for (const Side& side : kSides) {
        if (side.align == align) {
            if (CDockBar* dockBar = DockBarOf(frame, side.id))
                return dockBar;
        }
    }
    for (const Side& side : kSides) {
        if (pBar->m_dwDockStyle & side.align) {
            if (CDockBar* dockBar = DockBarOf(frame, side.id))
                return dockBar;
        }
    }
    return nullptr;
}

DWORD SECFrameDocking::FloatStyle(CControlBar* pBar, DWORD dwStyle) {
    if (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) {
        dwStyle |= CBRS_SIZE_DYNAMIC;
        if (dwStyle & CBRS_ORIENT_VERT)
            dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
    }
    return dwStyle;
}

void SECFrameDocking::DockAt(CFrameWnd& frame, CControlBar* pBar, CDockBar* pDockBar,
                             LPCRECT lpRect, bool bNotify) {
    if (auto* bar = dynamic_cast<SECControlBar*>(pBar); bar && bNotify)
        bar->OnDocked();
    if (!pDockBar)
        pDockBar = SideOf(frame, pBar);
    if (pDockBar)
        pDockBar->DockControlBar(pBar, lpRect);
}

void SECFrameDocking::DockSized(CFrameWnd& frame, CControlBar* pBar, UINT nDockBarID, int nColumn,
                                int nRow, float fWidthFraction, int nLength, bool bNotify) {
    auto* toolkit = dynamic_cast<SECControlBar*>(pBar);
    if (toolkit && bNotify)
        toolkit->OnDocked();
    CDockBar* dockBar = nDockBarID ? DockBarOf(frame, nDockBarID) : nullptr;
    if (!dockBar)
        dockBar = SideOf(frame, pBar);
    if (toolkit)
        toolkit->m_fPctWidth = fWidthFraction;
    // The length is the bar's thickness on the side it goes to: a height on the top or bottom,
    // a width on the left or right (a bar aligned both top and left would otherwise be sized
    // for the wrong side).
    const DWORD style = pBar->GetBarStyle();
    const DWORD side = dockBar ? (dockBar->GetBarStyle() & CBRS_ALIGN_ANY) : style;
    DWORD mode = LM_COMMIT;
    if ((style & CBRS_SIZE_DYNAMIC) && (style & CBRS_FLOATING))
        mode |= LM_HORZ | LM_MRUWIDTH | LM_LENGTHY;
    else if (side & CBRS_ORIENT_HORZ)
        mode |= LM_HORZ | LM_HORZDOCK | LM_LENGTHY;
    else
        mode |= LM_VERTDOCK;
    pBar->CalcDynamicLayout(nLength, mode);
    if (auto* toolkitDock = dynamic_cast<SECDockBar*>(dockBar))
        toolkitDock->DockControlBarAtPos(pBar, nColumn, nRow);
    else if (dockBar)
        dockBar->DockControlBar(pBar, nullptr);
}

void SECFrameDocking::ReDock(CFrameWnd& frame, CControlBar* pBar, CDockBar* pDockBar,
                             LPCRECT lpRect, bool bNotify) {
    if (auto* bar = dynamic_cast<SECControlBar*>(pBar); bar && bNotify)
        bar->OnDocked();
    if (!pDockBar) {
        void* holder = PlaceHolderOf(static_cast<UINT>(pBar->GetDlgCtrlID()));
        for (const Side& side : kSides) {
            CDockBar* dockBar = DockBarOf(frame, side.id);
            if (dockBar && dockBar->FindBar(static_cast<CControlBar*>(holder)) > 0) {
                pDockBar = dockBar;
                break;
            }
        }
    }
    if (!pDockBar) {
        const DWORD align = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
        for (const Side& side : kSides) {
            if (side.align == align && DockBarOf(frame, side.id))
                pDockBar = DockBarOf(frame, side.id);
        }
    }
    if (!pDockBar)
        pDockBar = SideOf(frame, pBar);
    if (pDockBar)
        pDockBar->ReDockControlBar(pBar, lpRect);
}

void SECFrameDocking::Float(CFrameWnd& frame, CControlBar* pBar, CPoint point, DWORD dwStyle,
                            bool bNotify, bool bReFloat) {
    if (!bReFloat && pBar->IsFloating() && pBar->m_pDockBar->GetDockedCount() == 1 &&
        (pBar->m_pDockBar->GetBarStyle() & dwStyle & CBRS_ALIGN_ANY)) {
        if (auto* floating =
                dynamic_cast<SECMiniDockFrameWnd*>(GetParentFrameOf(pBar->m_pDockBar))) {
            floating->RecalcLayoutAt(point.x, point.y);
            floating->UpdateWindow();
            return;
        }
    }
    auto* toolkit = dynamic_cast<SECControlBar*>(pBar);
    if (toolkit && bNotify)
        toolkit->OnFloated();
    dwStyle = FloatStyle(pBar, dwStyle);
    CMiniDockFrameWnd* floating = frame.CreateFloatingFrame(dwStyle);
    if (!floating)
        return;
    CDockBar* dockBar = floating->GetDockBar();
    if (bReFloat)
        dockBar->ReDockControlBar(pBar, nullptr);
    else
        dockBar->DockControlBar(pBar, nullptr);
    if (toolkit && !(toolkit->m_dwExStyle & CBRS_EX_FIXEDSIZE))
        floating->ModifyStyle(MFS_4THICKFRAME, MFS_THICKFRAME | WS_THICKFRAME);
    if (auto* toolkitFrame = dynamic_cast<SECMiniDockFrameWnd*>(floating))
        toolkitFrame->RecalcLayoutAt(point.x, point.y);
    else {
        floating->RecalcLayout(TRUE);
        floating->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (bReFloat || (pBar->GetStyle() & WS_VISIBLE)) {
        floating->ShowWindow(SW_SHOWNA);
        floating->UpdateWindow();
    }
}

void SECFrameDocking::RecalcLayout(CFrameWnd& frame, CRect& lastLayout) {
    if (lastLayout.Width() > 0 && lastLayout.Height() > 0) {
        for (CWnd* child : frame.GetChildren()) {
            if (auto* dockBar = dynamic_cast<SECDockBar*>(child))
                dockBar->RedrawBars();
        }
    } else {
        frame.Invalidate(TRUE);
        for (CWnd* child : frame.GetChildren())
            child->Invalidate(TRUE);
    }
    CRect client;
    frame.GetInsideClientRect(&client);
    frame.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &lastLayout, &client, TRUE);
}

void SECFrameDocking::FillGradient(CDC* pDC, const CRect* pRect, int nSteps, COLORREF clrFrom,
                                   COLORREF clrTo) {
    if (!pDC || !pRect || nSteps <= 0)
        return;
    const int steps = nSteps;
    const int divisor = steps > 1 ? steps - 1 : 1;
    const int dr = (GetRValue(clrTo) - GetRValue(clrFrom)) / divisor;
    const int dg = (GetGValue(clrTo) - GetGValue(clrFrom)) / divisor;
    const int db = (GetBValue(clrTo) - GetBValue(clrFrom)) / divisor;
    const int band = pRect->Width() / steps;
    int r = GetRValue(clrFrom);
    int g = GetGValue(clrFrom);
    int b = GetBValue(clrFrom);
    CPen* oldPen = static_cast<CPen*>(pDC->SelectStockObject(NULL_PEN));
    for (int i = 0; i < steps; ++i) {
        const int left = pRect->left + i * band;
        const int right = i == steps - 1 ? pRect->right : left + band;
        CBrush brush(RGB(r, g, b));
        CBrush* oldBrush = pDC->SelectObject(&brush);
        pDC->Rectangle(left, pRect->top, right + 1, pRect->bottom);
        pDC->SelectObject(oldBrush);
        r += dr;
        g += dg;
        b += db;
    }
    if (oldPen)
        pDC->SelectObject(oldPen);
}
