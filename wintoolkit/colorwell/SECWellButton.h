#pragma once
// A push button that shows a colour as a swatch with a drop-down arrow; clicking it drops a
// pop-up colour well below it. A colour chosen there, or in the colour dialog through the
// well's "&Other..." button, becomes the button's colour and is sent to the button's parent
// as message 1125 (the button's id, the colour).

#include "platform/ui/CPalette.h"
#include "wintoolkit/colorwell/SECOwnerDrawButton.h"
#include "wintoolkit/colorwell/SECPopupColorWell.h"

class SECWellButton : public SECOwnerDrawButton {
    DECLARE_DYNCREATE(SECWellButton)
public:
    SECWellButton();
    ~SECWellButton() override;

    // Drops the pop-up well unless it is open already.
    void Clicked() override;
    void PreparePalette(CDC* pMemDC, CDC* pScreenDC) override;
    void RestorePalette(CDC* pMemDC, CDC* pScreenDC) override;
    void DrawFocusMark(CDC* pDC, const CRect& rect) override;
    void DrawContents(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, const CRect& rect) override;
    virtual void DropDown();
    virtual BOOL CreateButtonPalette();
    virtual DWORD GetColorDialogFlags();

    void SetColor(COLORREF crColor);
    COLORREF GetColor() const;
    void SetUsePalette(BOOL bUse) { m_bUsePalette = bUse; }
    void SetOtherColorChoice(BOOL bOther) { m_bOtherColor = bOther; }
    SECPopupColorWell* GetPopup() const { return m_pPopup; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Takes the colour, shows it and tells the parent.
    void ColorChosen(COLORREF crColor);

    SECPopupColorWell* m_pPopup;
    CPalette m_pal;
    CPalette* m_pOldMemPalette;
    CPalette* m_pOldScreenPalette;
    BOOL m_bUsePalette;
    BOOL m_bOtherColor;
};
