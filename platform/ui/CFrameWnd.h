#pragma once
// A frame window: the window that lays out its control bars along its sides and gives the rest
// of its client area to its pane (the child with id AFX_IDW_PANE_FIRST). It keeps the list of
// its bars (the docked ones, the floating frames' dock bars, its own dock bars), docks, floats,
// shows and hides them, and updates them at idle through their command handlers.
//
// A frame may draw its own non-client area (a caption strip and sizing edges inside its window):
// the floating frames and the MDI child frames do, so that their hit tests are the program's.

#include "platform/core/CPtrList.h"
#include "platform/ui/BarStyles.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/FrameGeometry.h"
#include "platform/ui/MenuResources.h"

#include <memory>
#include <vector>

class CCmdUI;
class CControlBar;
class CDocument;
class CDockBar;
class CView;
class CDockState;
class CMiniDockFrameWnd;
struct CRuntimeClass;
class wxMenuBar;
class wxMenuItem;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // A top-level frame (or, with WS_CHILD, a child frame) in screen coordinates.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0,
                CCreateContext* pContext = nullptr) override;

    // Lays the bars out and gives the pane the rest; bNotify is passed on to the bars' frames.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Lays the bars out at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // The size-parent protocol: each child whose id is in [nIDFirst, nIDLast] (but nIDLeftOver)
    // takes its part of the client rectangle through WM_SIZEPARENT, in z-order; the child
    // nIDLeftOver gets what is left. reposQuery moves nothing and returns the left-over
    // rectangle in lpRectParam; reposExtra shrinks the left-over rectangle by lpRectParam's
    // edges first.
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr,
                        BOOL bStretch = TRUE);
    // The window rectangle for a client rectangle: the drawn non-client area added.
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
    // The client area the bars and pane share: the client rectangle less the drawn non-client
    // area.
    virtual void GetInsideClientRect(LPRECT lpRect) const;

    // Docking.
    virtual void EnableDocking(DWORD dwDockStyle);
    virtual void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    virtual void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    virtual void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    virtual void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    virtual void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // A new floating frame of the frame's floating-frame class for a bar style.
    CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // The dock bar (of the allowed sides) whose window a rectangle in screen coordinates
    // touches, as its side's CBRS_ALIGN_ bit; 0 when none.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
    CControlBar* GetControlBar(UINT nID) const;
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);

    // The bar layout as records, and back; kept in the profile under a name.
    virtual void GetDockState(CDockState& state) const;
    virtual void SetDockState(const CDockState& state);
    virtual void LoadBarState(LPCTSTR lpszProfileName);
    virtual void SaveBarState(LPCTSTR lpszProfileName) const;

    // The status bar's prompt (pane 0 of the child AFX_IDW_STATUS_BAR).
    virtual void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // The idle work: a delayed layout, then the bars' command update.
    virtual void OnIdleUpdateCmdUI();

    // Commands and their updates go along the route: the window that declared itself the
    // command target while it has the focus (top-level frames only), the active view and its
    // document, the frame itself, and for a top-level frame the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    // The menu bar of menu resource nIDResource on the frame's window (a top-level frame);
    // its items send their commands to the frame. It is the frame's own menu, shown whenever
    // nothing asks for another. FALSE when there is no such resource.
    BOOL LoadMenuBar(UINT nIDResource);
    // The menu resource the menu bar shows now, 0 for none.
    UINT GetMenuBarId() const { return m_nIDMenuBar; }
    // The accelerators of resource nIDResource: their keys, pressed anywhere in the frame's
    // window, send their commands to the frame. FALSE when there is no such resource.
    BOOL LoadAccelTable(UINT nIDResource);
    // Offers a key (a virtual key and FSHIFT, FCONTROL, FALT) to the accelerators; TRUE when
    // it is one of them and its command was sent. A key whose command has no handler on the
    // route, or is disabled, is left to the window with the focus (FALSE).
    virtual BOOL TranslateAccelerator(UINT nVirtKey, BYTE fModifiers);
    // Enables, checks and names every item of the menu bar through the route (also done at
    // idle time and when a menu opens).
    void UpdateMenuBarCmdUI();
    // A menu bar item's state (MF_GRAYED, MF_CHECKED), (UINT)-1 without such an item; its text.
    UINT GetMenuBarState(UINT nID) const;
    CString GetMenuBarString(UINT nID) const;

    // The context-help mode (command 57669): the next click's window gives the help topic (its
    // control id, through the application's WinHelp); a right click or Escape ends it.
    BOOL IsInHelpMode() const { return m_bHelpMode; }
    void ExitHelpMode();

    // The view that commands reach first, and its document.
    CView* GetActiveView() const { return m_pViewActive; }
    virtual void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // Makes the context's view (its run-time class) as the pane; nullptr when it fails.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    static const CRect rectDefault;

    CPtrList m_listControlBars;
    UINT m_nIdleFlags;
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    BOOL m_bInRecalcLayout;
    CRuntimeClass* m_pFloatingFrameClass;
    CRect m_rectBorder;
    DWORD m_dwDockStyle;

protected:
    // Shows the menu bar of resource nIDResource in place of the one shown, keeping the frame's
    // own menu as it is. FALSE when there is no such resource.
    BOOL ShowMenuBar(UINT nIDResource);
    // Offers a key to one accelerator table, as TranslateAccelerator does.
    BOOL TranslateWith(const ACCEL* pEntries, int nCount, UINT nVirtKey, BYTE fModifiers);
    UINT m_nIDDefaultMenu = 0;

    // The framework's toggles of the tool bar (59392) and status bar (59393), checked while the
    // bar shows.
    void OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    void OnContextHelp();
    // The route without the focused command target.
    BOOL RouteCmdThroughFrame(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);
    // Offers the command to the command target of the window with the focus (or of the nearest
    // of its parents that has one) when that window lies in this frame's window.
    BOOL RouteCmdToFocusTarget(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);
    BOOL IsTopLevelFrame() const;

    // Makes the frame's client: the context's view when it names one.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnDestroy() override;
    // WM_SETMESSAGESTRING: a string id in wParam, or 0 and the text in lParam.
    virtual LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    // WM_CLOSE: destroys the frame.
    virtual void OnClose();
    virtual void OnSysCommand(UINT nID, LPARAM lParam);

    // The non-client area the frame draws itself (none for a frame the window system frames).
    virtual FrameGeometry GetFrameGeometry() const;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    // Paints the drawn caption strip and border.
    void DrawFrame(CDC* pDC);
    // Moves (HTCAPTION) or sizes (a sizing border) the frame with the mouse from a screen point.
    void StartFrameTracking(int nHitTest, CPoint point);
    // The windows the frame owns and deletes: its dock bars and floating frames.
    void Own(CWnd* pWnd);

private:
    void BindIdle();
    void BindClose();
    // The click, right click or Escape that ends the help mode; TRUE when the message was it.
    BOOL RouteHelpMode(UINT message, WPARAM wParam, LPARAM lParam);
    // The command of a menu bar item's window-system id (0 for none), and the other way.
    UINT MenuCommandOf(int nItemId) const;
    wxMenuItem* FindMenuBarItem(UINT nID) const;
    BOOL RouteFrameTracking(UINT message, WPARAM wParam, LPARAM lParam);
    void EndFrameTracking(BOOL bCancel);
    void PurgeDestroyed();

    CView* m_pViewActive = nullptr;
    int m_nTrackHit;
    CPoint m_ptTrackStart;
    CRect m_rectTrackStart;
    std::vector<std::unique_ptr<CWnd>> m_owned;
    // The menu bar on the frame's window (owned by that window), and the accelerators.
    BOOL m_bHelpMode = FALSE;
    wxMenuBar* m_pMenuBar = nullptr;
    UINT m_nIDMenuBar = 0;
    // The commands of the menu bar's items, by the items' window-system ids.
    std::vector<UINT> m_menuCommands;
    std::vector<ACCEL> m_accelerators;

    DECLARE_MESSAGE_MAP()
};

// The frame a window lies in (the nearest frame among its parents), or nullptr.
CFrameWnd* GetParentFrameOf(const CWnd* pWnd);
