#pragma once
// The toolkit's status bar: a control bar holding the status control, divided into panes that
// are named by command ids. Pane texts are sent to the control only when they change, and a
// text kept back is sent at the next paint; the idle update enables, checks and names panes.
// The pane with id 0 is the bar's own text (the frame's prompts).

#include "platform/ui/BarStyles.h"
#include "platform/ui/CStatusBarCtrl.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/docking/SECControlBar.h"
#include "wintoolkit/statusbar/SECStatusPanes.h"

#include <vector>

class SECStatusBar : public SECControlBar {
    DECLARE_DYNAMIC(SECStatusBar)
public:
    SECStatusBar();
    ~SECStatusBar() override;

    using SECControlBar::Create;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    int GetCount() const { return static_cast<int>(m_panes.size()); }
    int GetMinHeight() const { return m_nMinHeight; }
    CStatusBarCtrl& GetStatusBarCtrl() { return m_control; }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
    // Owner-drawn panes: nothing is drawn here.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;

private:
    SECStatusPane* PaneAt(int nIndex);
    const SECStatusPane* PaneAt(int nIndex) const;
    LRESULT OnSetText(LPCTSTR text);
    LRESULT OnGetText(int size, LPTSTR buffer) const;
    BOOL ParentMaximised() const;

    CStatusBarCtrl m_control;
    std::vector<SECStatusPane> m_panes;
    int m_nMinHeight = 0;
};
