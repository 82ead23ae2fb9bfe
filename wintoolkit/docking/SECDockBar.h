#pragma once
// The toolkit's dock bar, on each side of a docking frame and inside every floating frame. Rows
// that hold a sizable bar lay their bars end to end across the dock bar, each taking its share,
// with sizers between them and beside the row that the user drags; rows of fixed-size bars are
// laid out as the framework lays them out. The layout itself is SECDockLayout's; this class is
// its window: it moves the bars, paints the sizers and lines, and tracks a dragged sizer.

#include "platform/ui/CDockBar.h"
#include "wintoolkit/docking/SECDockLayout.h"

#include <memory>

class CDragOutline;
class SECDockSizer;

class SECDockBar : public CDockBar, private SECDockLayoutSite {
    DECLARE_DYNAMIC(SECDockBar)
public:
    SECDockBar(BOOL bFloating = FALSE, BOOL bMDIChild = FALSE);
    ~SECDockBar() override;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;

    // Docks the bar at the visible column of the row, and gives the docking frame a sizing
    // border.
    virtual void DockControlBarAtPos(CControlBar* pBar, int nColumn, int nRow);
    // A bar here was shown or hidden.
    virtual void OnBarShowChanged(CControlBar* pBar);
    // Repaints now when bars wait to be repainted.
    virtual void RedrawBars();
    virtual void OnSizerMoved(SECDockSizer* pSizer, int nDelta);

    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr) override;
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr) override;
    BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1,
                          int nAddPlaceHolder = 0) override;
    void GetBarInfo(CControlBarInfo* pInfo) override;
    void AddToRepaint(CControlBar* pBar) { m_layout.AddToRepaint(pBar); }
    // The bar whose share the next layout keeps.
    void SetChangedBar(CControlBar* pBar) { m_layout.m_pChangedBar = pBar; }
    // The drop preview of a dragged bar, in screen coordinates.
    CRect CalcDropRect(CControlBar* pBar, const CRect& rectDrag, CPoint point, int* pnLastRow,
                       CRect* pLastRect, CPoint* pLastPoint);
    // Starts dragging a sizer from a point of the client area; FALSE when another window has
    // the mouse.
    BOOL StartSizerTracking(SECDockSizer* pSizer, CPoint point);
    BOOL IsTrackingSizer() const { return m_pTracking != nullptr; }

    SECDockLayout& Layout() { return m_layout; }
    const SECDockLayout& Layout() const { return m_layout; }

    BOOL m_bMDIChild;
    BOOL m_bPaintRequest;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;

private:
    // The layout's site.
    BOOL IsBarVisible(CControlBar* pBar) const override;
    CRect GetBarRect(CControlBar* pBar) const override;
    UINT GetBarId(CControlBar* pBar) const override;
    void SetMRUDockRect(CControlBar* pBar, const CRect& rect) override;
    void BeginMoves(int nCount) override;
    void MoveBar(CControlBar* pBar, const CRect& rect, UINT nFlags) override;
    void EndMoves() override;
    void ApplyDelayShow(CControlBar* pBar) override;
    CSize GetDockBarSize() const override;
    CRect GetPaneRect() const override;

    void DockAt(CControlBar* pBar, LPCRECT lpRect, BOOL bReDock);
    void TakeStyleOf(CControlBar* pBar);
    void Adopt(CControlBar* pBar, LPCRECT lpRect);
    BOOL TrackSizer(UINT message, WPARAM wParam, LPARAM lParam);
    void EndSizerTracking(BOOL bCancel);
    CRect BandRect(int nLeading) const;

    SECDockLayout m_layout;
    AFX_SIZEPARENTPARAMS* m_pLayoutParams;
    HDWP m_hdwp;
    SECDockSizer* m_pTracking;
    int m_nTrackOrigin;
    int m_nTrackLeading;
    int m_nGrabOffset;
    std::unique_ptr<CDragOutline> m_band;
};
