#pragma once
// A bar's drag context: carries a dockable bar between docked and floating while the user drags
// it (or resizes its floating frame), showing where it would go with an outline, and remembers
// where the bar was last docked and floated so that a double click can toggle between the two.
//
// The drag and the resize are state machines on the bar's mouse capture: StartDrag and
// StartResize take the capture, the bar hands the mouse and key messages to Track, and the left
// button's release ends them. Escape, the right button and the loss of the capture cancel.

#include "platform/core/CRect.h"
#include "platform/ui/WinTypes.h"

#include <memory>

class CControlBar;
class CDockBar;
class CDragOutline;
class CFrameWnd;

class CDockContext {
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // Starts dragging the bar from a screen point.
    virtual void StartDrag(CPoint pt);
    // Starts resizing the bar's floating frame from a sizing border (hit test HTLEFT ...
    // HTBOTTOMRIGHT) at a screen point.
    virtual void StartResize(int nHitTest, CPoint pt);
    // Docks a floating bar where it was docked last, or floats a docked one where it floated.
    virtual void ToggleDocking();

    // While tracking: a mouse or key message that reached the bar (mouse points in screen
    // coordinates). TRUE when the tracking took it.
    BOOL Track(UINT message, WPARAM wParam, CPoint ptScreen);
    BOOL IsTracking() const { return m_bTracking; }

    // The dock bar (its side's CBRS_ALIGN_ bit) the drag is over, or 0.
    virtual DWORD CanDock();
    CDockBar* GetDockBar(DWORD dwOverDockStyle);

    CPoint m_ptLast;
    CRect m_rectLast;
    CRect m_rectDragHorz;
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz;
    CRect m_rectFrameDragVert;
    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle;
    DWORD m_dwOverDockStyle;
    DWORD m_dwStyle;
    BOOL m_bFlip;
    BOOL m_bForceFrame;
    BOOL m_bDragging;
    int m_nHitTest;
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;

protected:
    // Takes the capture and shows the first outline.
    void InitLoop();
    // Hides the outline, gives the capture back and restores the status bar's idle prompt.
    virtual void CancelLoop();
    virtual void Move(CPoint pt);
    virtual void EndDrag();
    virtual void Stretch(CPoint pt);
    virtual void EndResize();
    // Shows the outline of where the bar would go now (or hides it).
    virtual void DrawFocusRect(BOOL bRemoveRect = FALSE);
    // Ctrl forces a floating frame, Shift flips the orientation.
    void UpdateState(BOOL* pFlag, BOOL bNewValue);
    // Shows an outline of the rectangle `thickness` pixels wide: white, or grey (halftone).
    void ShowOutline(const CRect& rect, int thickness, BOOL bHalftone);

    CPoint m_ptStart;
    CRect m_rectRequestedSize;
    CRect m_rectActualSize;
    CRect m_rectActualFrameSize;
    CRect m_rectFrameBorders;
    BOOL m_bTracking;

private:
    void EndTracking(BOOL bCommit);

    std::unique_ptr<CDragOutline> m_outline;
};
