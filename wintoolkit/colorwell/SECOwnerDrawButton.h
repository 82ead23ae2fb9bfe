#pragma once
// An owner-drawn push button: it draws its frame (raised, or sunken while pushed), its focus
// mark and its disabled look, and leaves the contents to derived classes. It can take the
// place of a button of a dialog.

#include "platform/core/COLORREF.h"
#include "platform/ui/CButton.h"

class CDC;

class SECOwnerDrawButton : public CButton {
    DECLARE_DYNAMIC(SECOwnerDrawButton)
public:
    SECOwnerDrawButton();

    using CWnd::Create;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Puts the button in place of the dialog's button `nID`.
    virtual BOOL AttachToDlgItem(UINT nID, CWnd* pParentWnd);
    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID);
    // The button was clicked (after the window system's own handling); does nothing.
    virtual void Clicked();
    virtual void PreparePalette(CDC* pMemDC, CDC* pScreenDC);
    virtual void RestorePalette(CDC* pMemDC, CDC* pScreenDC);
    virtual void DrawDisabled(CDC* pDC, const CRect& rect);
    virtual void DrawFocusMark(CDC* pDC, const CRect& rect) = 0;
    virtual void DrawFocus(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Fills and frames the button; rect becomes the contents' rectangle.
    virtual void DrawFrame(CRect& rect, CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void DrawContents(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, const CRect& rect) = 0;

    BOOL m_bNewLook;

protected:
    static void ReadSystemColors();

    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSysColorChange() override;

    // The system colours shared by the owner-drawn buttons.
    static COLORREF s_clrBtnShadow;
    static COLORREF s_clrBtnHilite;
    static COLORREF s_clrBtnFace;
    static COLORREF s_clrWindowFrame;
};
