#pragma once
// The toolkit's toolbar: a fixed-size bar holding the tool strip, its buttons loaded from a
// toolbar resource and its bitmap (in the desktop's button colours), wrapped into rows for the
// side it is docked on or its floating width, and updated at idle through the frame's handlers.

#include "platform/ui/BarStyles.h"
#include "platform/ui/CBitmap.h"
#include "platform/ui/CToolBarCtrl.h"
#include "platform/ui/WindowStyles.h"
#include "wintoolkit/docking/SECControlBar.h"
#include "wintoolkit/toolbar/SECToolBarLayout.h"

#include <vector>

class SECToolBar : public SECControlBar {
    DECLARE_DYNAMIC(SECToolBar)
public:
    SECToolBar();
    ~SECToolBar() override;

    using SECControlBar::Create;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    // The buttons and images of the toolbar resource (and bitmap) of that id.
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int GetCount() const { return static_cast<int>(m_buttons.size()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    // The button's rectangle in the bar; empty when there is no such button.
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    CSize GetButtonSize() const { return m_sizeButton; }
    CSize GetImageSize() const { return m_sizeImage; }
    CToolBarCtrl& GetToolBarCtrl() { return m_control; }
    const SECToolBarStale& Stale() const { return m_stale; }

    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;

private:
    CSize Layout(int nLength, DWORD dwMode);
    void SyncButton(int nIndex);
    void SyncAll();
    CWnd* CommandTarget() const;

    CToolBarCtrl m_control;
    std::vector<SECToolButton> m_buttons;
    std::vector<CRect> m_rects;
    CBitmap m_bitmap;
    LPCTSTR m_lpszBitmapName = nullptr;
    CSize m_sizeImage{16, 15};
    CSize m_sizeButton{23, 22};
    SECToolBarStale m_stale;
    BOOL m_bDelayedButtonLayout = TRUE;
};
