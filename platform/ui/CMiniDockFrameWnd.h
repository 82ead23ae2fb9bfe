#pragma once
// The floating frame of bars: a small frame holding one floating dock bar (id
// AFX_IDW_DOCKBAR_FLOAT) with the bar or bars floated in it. Its size follows its bars; its
// caption follows the dock bar's text; dragging its caption drags its bar, its edges resize the
// bar; closing it hides its bars.

#include "platform/ui/CMiniFrameWnd.h"

#include <memory>

class CDockBar;

class CMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();
    ~CMiniDockFrameWnd() override;

    using CMiniFrameWnd::Create;
    // A hidden floating frame over pParent for bars of the style (its alignment and
    // CBRS_FLOAT_MULTI); the dock bar is registered with pParent, the docking frame.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // Sizes the frame to its bars (FWS_SNAPTOBARS) and copies the dock bar's text to the
    // caption.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    CDockBar* GetDockBar() const { return m_pDockBar.get(); }

protected:
    // The dock bar this frame holds; the toolkit's frame makes its own kind.
    virtual CDockBar* NewDockBar();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;
    // The first bar docked here, or nullptr.
    CControlBar* FirstBar() const;

    std::unique_ptr<CDockBar> m_pDockBar;
};
