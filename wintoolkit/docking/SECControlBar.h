#pragma once
// The toolkit's sizable control bar: dockable on any side, sized by the user while docked or
// floating, sharing a row of a dock bar with other bars by percentage. It remembers one size for
// each docking situation, its share of its row, an extended style, and optionally its children's
// proportions; it draws its own borders and offers a context menu to switch docking off, hide
// itself, or float in the main window.

#include "platform/ui/CControlBar.h"
#include "wintoolkit/docking/SECChildLayout.h"

#include <memory>

class CMenu;
class SECControlBarInfo;

// Extended style bits of toolkit bars.
constexpr DWORD CBRS_EX_STDCONTEXTMENU = 0x01;   // a context menu on a right click
constexpr DWORD CBRS_EX_ALLOW_PROPORTION = 0x02; // the children keep their proportions
constexpr DWORD CBRS_EX_FIXEDSIZE = 0x04;        // a fixed-size bar (a toolbar)
constexpr DWORD CBRS_EX_BORDER_3D = 0x08;        // set by the dock bar: 3D border colours
constexpr DWORD CBRS_EX_INSIDE_MARGIN = 0x10;    // a 10-pixel margin inside the bar
constexpr DWORD CBRS_EX_FLOAT_IN_MAIN = 0x20;    // "Float In Main Window" on the context menu

// The toolkit's commands of a bar's context menu.
constexpr UINT ID_SEC_ALLOWDOCKING = 45095;
constexpr UINT ID_SEC_HIDE = 45096;
constexpr UINT ID_SEC_FLOATINMAIN = 45097;
// The message a bar sends its dock site while its context menu is built (WM_USER + 1000).
constexpr UINT WM_SEC_BARCONTEXTMENU = 0x0400 + 1000;

class SECControlBar : public CControlBar {
    DECLARE_DYNAMIC(SECControlBar)
public:
    SECControlBar();
    ~SECControlBar() override;

    using CWnd::Create;
    // The bar window with an empty rectangle; the window style and the bar style are both
    // dwStyle. FALSE when the window cannot be made.
    virtual BOOL Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle,
                        UINT nID, CCreateContext* pContext = nullptr);
    void EnableDocking(DWORD dwDockStyle) override;
    // Floating in a frame inside the main window (a dock bar of an MDI child frame).
    BOOL IsMDIChild() const;
    void GetBarInfo(CControlBarInfo* pInfo) override;
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void DoPaint(CDC* pDC) override;

    // The client rectangle, less the inside margin (CBRS_EX_INSIDE_MARGIN).
    virtual void GetInsideRect(CRect& rect);
    // A new extended style is about to be used: the floating frame's border and the children's
    // layout records follow it. The style member itself is left as it is.
    virtual void OnExtendedStyleChange(DWORD dwNewExStyle);
    // The docking frame has just docked, floated, or floated the bar in the main window.
    virtual void OnDocked() {}
    virtual void OnFloated() {}
    virtual void OnFloatedInMainWindow() {}
    // A derived bar's own items of the context menu.
    virtual void OnContextMenuItems(CMenu*) {}

    // The toolkit's border drawing (colours by CBRS_EX_BORDER_3D).
    void DrawBorders(CDC* pDC, CRect& rect);
    void EraseNonClient();
    DWORD GetExBarStyle() const { return m_dwExStyle; }
    void SetExBarStyle(DWORD dwExStyle) { m_dwExStyle = dwExStyle; }

    // The size every toolkit bar starts with.
    static const CSize s_sizeDefault;

    CSize m_szMRUHorzDock;
    CSize m_szMRUVertDock;
    CSize m_szMRUFloat;
    DWORD m_dwMRUDockingState;
    float m_fPctWidth;
    DWORD m_dwExStyle;
    std::unique_ptr<SECChildLayout> m_pChildLayout;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    virtual void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnAllowDocking();
    void OnHide();
    void OnFloatInMainWindow();

    // Records the children's places for proportional layout.
    void TakeChildLayout();

private:
    // Floating in a frame that is not a floating frame of bars (an MDI child frame).
    BOOL FloatsInChildFrame() const;
};
