#pragma once
// The toolkit's single-document docking frame: the framework frame's docking on the sides, with
// the toolkit's docking by dock bar and by size, re-docking and floating, the layout that keeps
// dock bars repainted, and the caption gradient setting. No floating in the main window.

#include "platform/ui/CFrameWnd.h"

class SECFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(SECFrameWnd)
public:
    SECFrameWnd();

    void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual void DockControlBarSized(CControlBar* pBar, UINT nDockBarID, int nColumn, int nRow,
                                     float fWidthFraction, int nLength);
    using CFrameWnd::DockControlBar;
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr) override;
    void DockControlBarAt(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr) override;
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP) override;

    BOOL EnableCaptionGradient(BOOL bEnable = TRUE, BOOL bRedraw = TRUE);
    void DrawCaption(CWnd* pFrame, int nAlignment);

    CRect m_rectLastLayout;
    int m_nCaptionAlignment;
    BOOL m_bSuppressCaptionText;
    BOOL m_bCaptionGradient;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
