#pragma once
// A window of the program: the object the system's code holds, over a window of the window
// system. A CWnd either owns its window (made or attached through it; destroyed with it) or is
// a temporary stand-in that FromHandle hands out for a window nobody attached.
//
// The window system's events reach a window made through Create or CreateEx as numbered
// messages, through WindowProc, to the virtual handlers named as the framework names them
// (OnPaint, OnLButtonDown, ...). A handler that calls its base (or Default) leaves the message
// to the window system's own processing; one that does not, consumes it. SendMessage calls
// WindowProc at once; PostMessage queues the call.

#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"
#include "platform/ui/WindowMessages.h"
#include "platform/ui/WindowPlacement.h"

#include <memory>
#include <vector>

class CDC;
class CFont;
struct CCreateContext;
class wxWindow;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    // Destroys the window when this object still has one.
    ~CWnd() override;

    // The window behind this object; nullptr before it is made and after it is destroyed.
    wxWindow* GetSafeHwnd() const;
    // Makes this object the owner of `window`; FALSE when this object already has a window or
    // `window` already has an owner.
    BOOL Attach(wxWindow* window);
    // Lets go of the window without destroying it and returns it.
    wxWindow* Detach();
    // Attaches the child of `parent` whose id is `id`; FALSE when there is no such child.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // Makes the window: a child (WS_CHILD) in the parent's client coordinates, or a pop-up
    // window (anything else) in screen coordinates. The class is one registered with
    // AfxRegisterWndClass, "BUTTON" or "STATIC", or null for a plain window. OnCreate runs
    // before the window is shown; -1 from it destroys the window and fails the creation.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT nIDorHMenu,
                  LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    // Sends WM_DESTROY (OnDestroy), releases the capture and the timers, destroys the window.
    virtual BOOL DestroyWindow();

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Changes the style bits; WS_VISIBLE and WS_DISABLED take effect at once.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // FALSE when there is no window or no window system.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Enables or disables input; returns TRUE when the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    BOOL ShowWindow(int nCmdShow);
    // Raises the window's top-level window above the others.
    BOOL SetForegroundWindow();
    // The placement of the window's top-level window, and setting it (the size and the
    // maximised or minimised state; showing is left to ShowWindow).
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);
    // Centres the window on the screen.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    int GetDlgCtrlID() const;
    // The direct child whose id is `id`, or nullptr.
    CWnd* GetDlgItem(int id) const;
    CWnd* GetParent() const;
    // Makes the window a child of another (keeping its position in the new parent's client
    // coordinates); returns the old parent.
    CWnd* SetParent(CWnd* pWndNewParent);
    CWnd* GetTopLevelParent() const;
    BOOL IsChild(const CWnd* pWnd) const;
    // The direct child windows (not pop-ups), top of the z-order first.
    std::vector<CWnd*> GetChildren() const;

    void GetClientRect(LPRECT lpRect) const;
    // In screen coordinates.
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    // In the parent's client coordinates (a child) or the screen's (a pop-up window).
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);

    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();

    // Returns the window that had the focus.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    // All mouse input goes to this window until ReleaseCapture; the window that loses the
    // capture gets WM_CAPTURECHANGED. Returns the window that had it.
    CWnd* SetCapture();
    static CWnd* GetCapture();
    // WM_TIMER with nIDEvent every nElapse milliseconds (the callback is not supported: it
    // must be null); returns nIDEvent, or 0 without a window.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // The window's font (kept by the window), or nullptr without a window.
    CFont* GetFont() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    // The next (or previous) control after pWndCtl in this dialog's Tab order that is visible,
    // enabled and a Tab stop, wrapping round; nullptr when there is none.
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;

    // While this window (or a window inside it) has the focus, its frame offers every command
    // and its update to `pTarget` before anything else on the route; nullptr ends that.
    void SetFocusCommandTarget(CCmdTarget* pTarget) { m_pFocusCommandTarget = pTarget; }
    CCmdTarget* GetFocusCommandTarget() const { return m_pFocusCommandTarget; }

    // The window under a point of the screen (the innermost), or nullptr.
    static CWnd* WindowFromPoint(POINT point);
    // The object that owns `window`, or a temporary stand-in kept until the window goes;
    // nullptr for a null window.
    static CWnd* FromHandle(wxWindow* window);
    // The window that should own a dialog or message box: the top-level window of `parent`, or
    // the main window when `parent` has no window.
    static CWnd* GetSafeOwner(CWnd* parent = nullptr);

protected:
    // Every message of the window comes here first; the base hands it to its handler.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window system's own processing of a message.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window system's processing of the message being handled now.
    LRESULT Default();
    // A message a parent passes back to its child control (WM_DRAWITEM); TRUE when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // WM_COMMAND: a menu's, an accelerator's or a control's command, offered to OnCmdMsg; a
    // menu or accelerator command whose update disables it is dropped. TRUE when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* pDC);
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT nFlags, CPoint point);
    virtual void OnRButtonUp(UINT nFlags, CPoint point);
    virtual void OnRButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnMButtonDown(UINT nFlags, CPoint point);
    virtual void OnMButtonUp(UINT nFlags, CPoint point);
    virtual void OnMButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnCaptureChanged(CWnd* pWnd);
    virtual void OnSysColorChange();
    virtual UINT OnGetDlgCode();
    virtual HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // The base passes the drawing back to the control (OnChildNotify).
    virtual void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);

private:
    friend class WndBridge;
    struct Handle;

    LRESULT DispatchMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void StopTimers();

    std::unique_ptr<Handle> m_handle;
    CCmdTarget* m_pFocusCommandTarget = nullptr;
};

// Gives the mouse back; the window that had it gets WM_CAPTURECHANGED.
BOOL ReleaseCapture();

// A window class with the class style (CS_ bits: CS_DBLCLKS delivers double clicks, without it
// a second click is a second button-down), cursor and background; returns its name.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                            HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);
