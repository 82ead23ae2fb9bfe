#pragma once
// A document frame inside the MDI client of a CMDIFrameWnd: maximised over the whole client
// (without a caption), or placed with a caption strip it draws itself (its title, minimise,
// maximise or restore, and close, which reach OnSysCommand), moved by its caption and sized by
// its edges. Its moves and sizes are announced as WM_WINDOWPOSCHANGED, its showing as
// WM_SHOWWINDOW.

#include "platform/ui/CFrameWnd.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    using CFrameWnd::Create;
    // The child frame in the MDI client of pParentWnd (client coordinates); WS_MAXIMIZE makes
    // it maximised, WS_VISIBLE shows it.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CMDIFrameWnd* pParentWnd,
                        CCreateContext* pContext = nullptr);
    // Creates the frame in the main window's MDI client (its title the string nIDResource when
    // there is one), then its client from the context (OnCreateClient).
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                           CCreateContext* pContext = nullptr);
    UINT GetResourceId() const { return m_nIDHelp; }
    // Lets a derived frame change the creation's style before the window is made.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    CMDIFrameWnd* GetMDIFrame() const { return m_pMDIFrame; }
    void MDIMaximize();
    void MDIRestore();
    BOOL IsMaximized() const { return m_bMaximized; }
    BOOL IsMinimized() const { return m_bMinimized; }
    // Fills the MDI client again (the client changed size).
    void FitMaximized();
    // Shows the frame (nCmdShow, or as it was with -1) and makes it the active child.
    virtual void ActivateFrame(int nCmdShow = -1);

    static constexpr int kCaptionHeight = 18;
    static constexpr int kBorder = 4;

protected:
    FrameGeometry GetFrameGeometry() const override;
    // WM_CLOSE: the document of the active view decides (CanCloseFrame); closing its last
    // frame closes the document.
    void OnClose() override;
    void OnSysCommand(UINT nID, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // WM_MDIACTIVATE: this frame activated (bActivate) or deactivated.
    virtual void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

    // The document template's resource id given to LoadFrame (its menu, keys and title).
    UINT m_nIDHelp = 0;

private:
    void BindPositionEvents();

    CMDIFrameWnd* m_pMDIFrame;
    BOOL m_bMaximized;
    BOOL m_bMinimized;
    CRect m_rectRestore;
};
