#pragma once
// A control bar: a window docked along a side of a frame (in one of the frame's dock bars) or
// floating in a small frame of its own. It keeps its bar style (CBRS_ bits: allowed and current
// sides, borders, floating, sizing), its dock site (the frame whose layout holds it), the dock
// bar it lies in, and its drag context. The frame's layout asks it for its size through
// CalcFixedLayout and CalcDynamicLayout; WM_SIZEPARENT gives it its part of the frame.
//
// Showing and hiding can be delayed to the next layout (DelayShow), so that a bar shown and
// hidden again in one step never flickers.

#include "platform/core/COLORREF.h"
#include "platform/core/CRect.h"
#include "platform/ui/BarStyles.h"
#include "platform/ui/CWnd.h"

class CControlBarInfo;
class CDockBar;
class CDockContext;
class CFrameWnd;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    ~CControlBar() override;

    // The bar's size: the framework's is the borders, stretched across the frame along bHorz
    // (32767) when bStretch.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The size for a length along one side in a mode (LM_ bits); the framework's is
    // CalcFixedLayout(stretch, horizontal).
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // Updates the bar's controls from the frame's command handlers (at idle).
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // Applies a delayed show or hide (in the layout's batch when there is one); returns the
    // window style the bar has after it.
    virtual DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    // Paints the bar (the framework's: its borders).
    virtual void DoPaint(CDC* pDC);
    virtual BOOL IsDockBar() const { return FALSE; }
    // Fills and applies a saved record of the bar.
    virtual void GetBarInfo(CControlBarInfo* pInfo);
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);
    // Makes the bar dockable on the sides of dwDockStyle (CBRS_ALIGN_ bits), creating its drag
    // context the first time.
    virtual void EnableDocking(DWORD dwDockStyle);

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    // Floating: docked in a floating frame's dock bar.
    BOOL IsFloating() const;
    // Shown, counting a show or hide that waits for the next layout.
    BOOL IsVisible() const;
    // Shows or hides the bar at the next layout.
    void DelayShow(BOOL bShow);
    // The frame that lays the bar out: the one its dock bar, or the bar itself, lies in.
    CFrameWnd* GetDockingFrame() const;
    // The client rectangle less the borders.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    // The framework's border drawing: lines along the bordered sides, then the rectangle less
    // the borders.
    void DrawBorders(CDC* pDC, CRect& rect);

    // Fields kept as the framework keeps them; the frame, dock bars and drag context read and
    // write them directly.
    DWORD m_dwStyle;
    DWORD m_dwDockStyle;
    CFrameWnd* m_pDockSite;
    CDockBar* m_pDockBar;
    CDockContext* m_pDockContext;
    int m_nMRUWidth;
    BOOL m_bAutoDelete;
    // delayHide, delayShow: what the next layout does with the bar.
    UINT m_nStateFlags;
    enum StateFlags { delayHide = 0x1, delayShow = 0x2 };
    int m_cxLeftBorder;
    int m_cxRightBorder;
    int m_cyTopBorder;
    int m_cyBottomBorder;

protected:
    // Border lines along the bordered sides in the two colours (light ones inside the dark
    // ones with CBRS_BORDER_3D, whose dark right and bottom lines move in by a pixel), then the
    // rectangle less the borders' widths.
    void DrawBordersWith(CDC* pDC, CRect& rect, COLORREF dark, COLORREF light, int cx, int cy);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    // Starts a drag of a dockable bar; a double click toggles docking.
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    // WM_SIZEPARENT: takes the bar's part of the frame's free rectangle.
    virtual LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    // The tracking of a drag or a resize takes the mouse and keys while it runs.
    BOOL RouteToTracking(UINT message, WPARAM wParam, LPARAM lParam);
};

// Makes a batch of window moves that EndDeferWindowPos applies together.
HDWP BeginDeferWindowPos(int nNumWindows);
HDWP DeferWindowPos(HDWP hWinPosInfo, CWnd* pWnd, const CWnd* pWndInsertAfter, int x, int y, int cx,
                    int cy, UINT uFlags);
BOOL EndDeferWindowPos(HDWP hWinPosInfo);
// Moves the window to the rectangle (in its parent's client coordinates) in the layout's batch,
// or at once without one; nothing when it is there already.
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, CWnd* pWnd, LPCRECT lpRect);
