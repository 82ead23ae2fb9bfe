#pragma once
// The painted strip of trapezoid tabs with scroll buttons at its left: the tab list of the base
// with geometry, painting, hit testing, Ctrl and Shift selection, and scrolling (a held button
// repeats after 300 ms, then every 20 ms, until it is released or loses the mouse).

#include "platform/ui/CBrush.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CPen.h"
#include "wintoolkit/tabs/SECTabControlBase.h"
#include "wintoolkit/tabs/SECTabControlGeometry.h"

class CDC;
class CRgn;

constexpr DWORD TWS_TABS_PREVNEXT = 0x1;
constexpr DWORD TWS_TABS_ALLBUTTONS = 0x2;

class SECTabControl : public SECTabControlBase {
    DECLARE_DYNCREATE(SECTabControl)
public:
    SECTabControl();

    void Initialize(DWORD dwStyle) override;
    void RecalcLayout() override;
    void ScrollToTab(int nIndex) override;
    void InvalidateTab(int nIndex) override;
    virtual void DrawTab(CDC* pDC, int nIndex, CRgn* pRgn);

    // The strip as it stands now.
    SECTabControlGeometry GetGeometry() const;
    int GetScrollOffset() const { return m_nScrollOffset; }
    UINT GetDisabledButtons() const { return m_nDisabledButtons; }

protected:
    void OnDestroy() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnCaptureChanged(CWnd* pWnd) override;

private:
    void PressButton(UINT button);
    void ScrollButtonStep(UINT button);
    void SetOffset(int offset);
    void Clamp();
    void DrawButton(CDC* pDC, UINT button);
    void StopRepeat();

    int m_nScrollOffset;
    int m_nTabHeight;
    CFont m_fonts[3];
    CPen m_pens[3];
    CPen m_penShadow;
    CBrush m_brushes[3];
    COLORREF m_textColors[3];
    UINT m_nButtonMask;
    UINT m_nPressedButton;
    UINT m_nDisabledButtons;
    int m_nButtonWidth;
    int m_nButtonHeight;
    BOOL m_bRepeating;
    int m_nRepeatSteps;
};
