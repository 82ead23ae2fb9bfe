#pragma once
// The tab window the program uses: a tab window with a pair of shared scroll bars that the
// active client may use (each tab keeps its bars' scroll state while another is shown) and a
// splitter, dragged with the mouse, between the tab strip and the horizontal bar.

#include "platform/core/CDWordArray.h"
#include "platform/core/CPtrArray.h"
#include "wintoolkit/tabs/SECTabWndBase.h"
#include "wintoolkit/tabs/SECTabWndLayout.h"

class SECTabWnd : public SECTabWndBase {
    DECLARE_DYNCREATE(SECTabWnd)
public:
    SECTabWnd();
    ~SECTabWnd() override;

    // Style bit 0x2 gives the strip every scroll button, 0x1 the previous and next ones.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    BOOL CreateTabCtrl(DWORD dwStyle, UINT nID) override;
    // Bits WS_HSCROLL and WS_VSCROLL: the tab's client uses the shared bars.
    void SetTabScrollFlags(int nIndex, DWORD dwFlags) override;
    void DeleteTab(int nIndex) override;
    void ActivateTab(CWnd* pWnd, int nIndex) override;
    void RecalcLayout() override;
    // The shared bar (0 horizontal, 1 vertical) the client uses (null: the active one), or null.
    virtual CWnd* GetScrollBar(int nBar, CWnd* pWnd = nullptr) const;

    SECTabWndLayout GetLayout() const;
    int GetTabStripWidth() const { return m_nTabStripWidth; }
    DWORD GetTabScrollFlags(int nIndex) const;

protected:
    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL UsesBar(CWnd* pWnd, DWORD bit) const;
    void Place(CWnd* pWnd, const CRect& rect, bool scrollBar);
    void FreeEntry(int nIndex);

    int m_nTabStripWidth;
    int m_nTabStripHeight;
    int m_nVBarWidth;
    int m_nHBarHeight;
    int m_nSplitterWidth;
    int m_nDragOffset;
    BOOL m_bDragging;
    BOOL m_bOverSplitter;
    BOOL m_bFirstSize;
    HCURSOR m_hcurSplit;
    HCURSOR m_hcurArrow;
    DWORD m_dwButtonMode;
    CPtrArray m_arrHScrollInfo;
    CPtrArray m_arrVScrollInfo;
    CDWordArray m_arrScrollFlags;
};
