#pragma once
// A colour well dropped down as a pop-up window below a button (above it near the screen's
// bottom edge). It holds the mouse while it is open and tracks the cell under it; a click or
// Enter chooses (message 1125 to the notify window), "&Other..." asks the notify window for
// another colour (message 1126), and Esc or a click outside closes it choosing nothing.

#include "wintoolkit/colorwell/SECColorWell.h"

class SECPopupColorWell : public SECColorWell {
    DECLARE_DYNCREATE(SECPopupColorWell)
public:
    SECPopupColorWell();
    ~SECPopupColorWell() override;

    using SECColorWell::Create;
    // Drops the well at the button's rectangle (screen coordinates) for the parent: below it,
    // above it when it would reach the screen's bottom, aligned to its right when it would
    // reach the screen's right edge. Takes the focus and the mouse.
    virtual BOOL Create(DWORD dwStyle, const RECT* lpButtonRect, CWnd* pParentWnd,
                        BOOL bOtherColor = TRUE, CCreateContext* pContext = nullptr);
    void NotifyColor() override;
    void SelectCell(int nCol, int nRow, int nHow) override;
    UINT GetClassStyle() override;
    void Reset() override;
    BOOL HasFocusFrame() override;

    void SetNotifyWnd(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    BOOL IsDropped() const { return m_bDropped; }

protected:
    // Closes the pop-up: gives the mouse back and destroys the window.
    void Close();
    void OnOtherColor() override;

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnDestroy() override;

    CWnd* m_pNotifyWnd;
    BOOL m_bDropped;
};
