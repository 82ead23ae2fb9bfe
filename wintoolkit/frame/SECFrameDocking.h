#pragma once
// The docking operations the toolkit's two docking frames share (the MDI frame and the single
// document frame): docking at a dock bar or by size, re-docking at a placeholder, floating in a
// floating frame, the layout that keeps the dock bars repainted, and the caption gradient.

#include "platform/core/COLORREF.h"
#include "platform/core/CRect.h"

class CControlBar;
class CDC;
class CDockBar;
class CFrameWnd;

class SECFrameDocking {
public:
    // The dock bar of the first side (top, bottom, left, right) whose CBRS_ALIGN_ bits are
    // exactly the bar's own; failing that, of the first side the bar may dock on.
    static CDockBar* SideOf(CFrameWnd& frame, CControlBar* pBar);
    // The bar style for a new floating frame: a dynamic-sized bar's frame is dynamic too and
    // floats aligned top.
    static DWORD FloatStyle(CControlBar* pBar, DWORD dwStyle);

    // Each calls the bar's OnDocked or OnFloated first when bNotify is set.
    static void DockAt(CFrameWnd& frame, CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect,
                       bool bNotify);
    static void DockSized(CFrameWnd& frame, CControlBar* pBar, UINT nDockBarID, int nColumn,
                          int nRow, float fWidthFraction, int nLength, bool bNotify);
    static void ReDock(CFrameWnd& frame, CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect,
                       bool bNotify);
    static void Float(CFrameWnd& frame, CControlBar* pBar, CPoint point, DWORD dwStyle,
                      bool bNotify, bool bReFloat);
    // The framework's layout, then the dock bars' repaint (all of the frame at the first
    // layout); `lastLayout` becomes the area the bars leave.
    static void RecalcLayout(CFrameWnd& frame, CRect& lastLayout);
    // Bands of a colour gradient across the rectangle, from one colour to the other.
    static void FillGradient(CDC* pDC, const CRect* pRect, int nSteps, COLORREF clrFrom,
                             COLORREF clrTo);
};
