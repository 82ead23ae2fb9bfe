#pragma once
// The toolkit's docking MDI frame, the main window's base: a toolkit dock bar on each allowed
// side, bars floated in floating frames or in frames inside the main window, showing, docking
// and re-docking with the dock bars told of every change, the saved bar layout, and the caption
// gradient setting.
//
// The window manager draws captions on Linux: the gradient flag is kept and reported, the
// gradient painting works on any device context, and drawing the caption itself draws nothing.

#include "platform/core/COLORREF.h"
#include "platform/ui/CMDIFrameWnd.h"

class CControlBar;
class CDC;
class CDockBar;
class CMenu;
class SECControlBarMDIChildWnd;
class SECDockState;

class SECMDIFrameWnd : public CMDIFrameWnd {
    DECLARE_DYNCREATE(SECMDIFrameWnd)
public:
    SECMDIFrameWnd();

    void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual void DockControlBarSized(CControlBar* pBar, UINT nDockBarID, int nColumn, int nRow,
                                     float fWidthFraction, int nLength);

    void EnableDocking(DWORD dwDockStyle) override;
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) override;
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr) override;
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr) override;
    void DockControlBarAt(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr) override;
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP) override;
    // Floats the bar in a new floating frame, back at its earlier place.
    void ReFloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // Floats the bar in a frame inside the MDI client ("Float In Main Window"); a point with a
    // negative coordinate takes the next cascade position.
    void FloatControlBarInMDIChild(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    SECControlBarMDIChildWnd* CreateMDIFloatingFrame(DWORD dwStyle);

    // The bar layout: records of SECDockState, the toolkit's restore.
    void GetDockState(CDockState& state) const override;
    void SetDockState(const CDockState& state) override;
    void LoadBarState(LPCTSTR lpszProfileName) override;
    void SaveBarState(LPCTSTR lpszProfileName) const override;

    // Keeps the flag; returns the one before.
    BOOL EnableCaptionGradient(BOOL bEnable = TRUE, BOOL bRedraw = TRUE);
    BOOL IsCaptionGradientEnabled() const { return m_bCaptionGradient; }
    void DrawCaption(CWnd* pFrame, int nAlignment);
    void GetCaptionRect(CWnd* pFrame, CRect* pRect) const;
    BOOL IsCaptionActive(CWnd* pFrame) const;
    BOOL HasCloseBox(CWnd* pFrame) const;
    BOOL IsNewShell() const { return TRUE; }
    static void FillGradient(CDC* pDC, const CRect* pRect, int nSteps, COLORREF clrFrom,
                             COLORREF clrTo);
    void RedrawCaption();

    CRect m_rectLastLayout;
    CRuntimeClass* m_pFloatingMDIChildClass;
    CPoint m_ptNextFloat;
    int m_nUnused;
    int m_nCaptionAlignment;
    BOOL m_bSuppressCaptionText;
    BOOL m_bCaptionGradient;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The toolkit's bar menu notice: greys "Allow Docking" for a bar floating in the main
    // window, appends "Float In Main Window" for bars that ask for it.
    LRESULT OnBarContextMenu(WPARAM wParam, LPARAM lParam);
};
