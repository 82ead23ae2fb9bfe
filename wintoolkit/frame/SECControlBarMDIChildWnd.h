#pragma once
// The frame inside the main window's MDI client that holds a bar floated "in the main window":
// an MDI child with an embedded floating toolkit dock bar. Its size is its bar's; closing it
// hides the bar; its place is the bar's most recent floating position.

#include "platform/ui/CMDIChildWnd.h"
#include "wintoolkit/docking/SECDockBar.h"

class SECControlBarMDIChildWnd : public CMDIChildWnd {
    DECLARE_DYNCREATE(SECControlBarMDIChildWnd)
public:
    SECControlBarMDIChildWnd();

    using CMDIChildWnd::Create;
    // The child in pParentFrame's MDI client, hidden, and its dock bar (aligned left for bars
    // aligned left or right, else top, with the bar style's CBRS_FLOAT_MULTI).
    virtual BOOL Create(CWnd* pParentFrame, DWORD dwBarStyle);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    SECDockBar* GetDockBar() { return &m_wndDockBar; }
    // Gives the bar the frame's inside size, as a change of the frame's size does; used once
    // the bar is in the frame, whose size came before it.
    void FitBar();

    SECDockBar m_wndDockBar;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;

private:
    // The one bar of a dock bar without CBRS_FLOAT_MULTI, or nullptr.
    CControlBar* TheBar() const;
    BOOL m_bCreating;
};
