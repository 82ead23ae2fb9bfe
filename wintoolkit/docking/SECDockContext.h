#pragma once
// Every toolkit bar's drag context: the framework's drag and resize, with the drop preview
// shaped by the dock bar's shares, a dead zone before a floating bar docks, the status bar's
// hint during a drag, resizing of floating toolkit bars from every edge and corner, and the
// "Float In Main Window" toggle.

#include "platform/ui/CDockContext.h"

class SECDockContext : public CDockContext {
public:
    explicit SECDockContext(CControlBar* pBar);

    void StartDrag(CPoint pt) override;
    void StartResize(int nHitTest, CPoint pt) override;
    void ToggleDocking() override;
    // Floats the bar in a frame inside the main window, or back where it was before.
    virtual void ToggleFloatInMainWindow();

    DWORD CanDock() override;

    CRect m_rectDropLast;
    CPoint m_ptDragStart;
    CPoint m_ptDropLast;
    int m_nLastDropRow;
    BOOL m_bPrevFloating;

protected:
    void DrawFocusRect(BOOL bRemoveRect = FALSE) override;
    void EndDrag() override;
    void Stretch(CPoint pt) override;
    void EndResize() override;

private:
    CRect FrameOutline() const;
    CRect m_rectResizeStart;
    CPoint m_ptResizeStart;
};
