#include "wintoolkit/colorwell/SECWellButton.h"

#include "platform/ui/CColorDialog.h"
#include "platform/ui/CDC.h"

IMPLEMENT_DYNCREATE(SECWellButton, SECOwnerDrawButton)

SECWellButton::SECWellButton()
    : m_pPopup(new SECPopupColorWell), m_pOldMemPalette(nullptr), m_pOldScreenPalette(nullptr),
      m_bUsePalette(FALSE), m_bOtherColor(TRUE) {
    CreateButtonPalette();
}

SECWellButton::~SECWellButton() {
    delete m_pPopup;
}

BOOL SECWellButton::CreateButtonPalette() {
    const LOGPALETTE black{0x300, 1, {{0, 0, 0, 0}}};
    m_pal.DeleteObject();
    return m_pal.CreatePalette(&black);
}

DWORD SECWellButton::GetColorDialogFlags() {
    return CC_RGBINIT | CC_FULLOPEN;
}

void SECWellButton::SetColor(COLORREF crColor) {
    const PALETTEENTRY entry{GetRValue(crColor), GetGValue(crColor), GetBValue(crColor), 0};
    m_pal.SetPaletteEntries(0, 1, &entry);
    if (GetSafeHwnd())
        Invalidate(TRUE);
}

COLORREF SECWellButton::GetColor() const {
    return m_pal.GetEntryColor(0);
}

void SECWellButton::Clicked() {
    if (!m_pPopup->IsDropped())
        DropDown();
}

void SECWellButton::DropDown() {
    m_pPopup->Reset();
    CRect button;
    GetWindowRect(&button);
    if (!m_pPopup->Create(WS_VISIBLE, &button, GetParent(), m_bOtherColor))
        return;
    m_pPopup->SetColor(GetColor());
    m_pPopup->SetUsePalette(m_bUsePalette);
    m_pPopup->SetNotifyWnd(this);
}

void SECWellButton::PreparePalette(CDC* pMemDC, CDC* pScreenDC) {
    if (!m_bUsePalette)
        return;
    m_pOldScreenPalette = pScreenDC->SelectPalette(&m_pal, TRUE);
    pScreenDC->RealizePalette();
    m_pOldMemPalette = pMemDC->SelectPalette(&m_pal, TRUE);
    pMemDC->RealizePalette();
}

void SECWellButton::RestorePalette(CDC* pMemDC, CDC* pScreenDC) {
    if (!m_bUsePalette)
        return;
    pMemDC->SelectPalette(m_pOldMemPalette, TRUE);
    pScreenDC->SelectPalette(m_pOldScreenPalette, TRUE);
}

void SECWellButton::DrawFocusMark(CDC* pDC, const CRect& rect) {
    CRect mark(rect);
    mark.DeflateRect(1, 1);
    pDC->DrawFocusRect(&mark);
}

void SECWellButton::DrawContents(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, const CRect& rect) {
    // A black arrow pointing down, 5 wide and 3 high, centred on the height.
    const int arrowLeft = rect.right - 7;
    const int arrowTop = rect.top + (rect.Height() - 3) / 2;
    for (int line = 0; line < 3; ++line)
        pDC->FillSolidRect(arrowLeft + line, arrowTop + line, 5 - 2 * line, 1, RGB(0, 0, 0));
    // An etched line left of it.
    const int etch = arrowLeft - 3;
    pDC->FillSolidRect(etch, rect.top + 2, 1, rect.Height() - 4, s_clrBtnShadow);
    pDC->FillSolidRect(etch + 1, rect.top + 2, 1, rect.Height() - 4, s_clrBtnHilite);
    if (lpDrawItemStruct->itemState & ODS_DISABLED)
        return;
    CRect swatch(rect.left + 3, rect.top + 2, rect.right - 13, rect.bottom - 2);
    pDC->Draw3dRect(&swatch, RGB(0, 0, 0), RGB(0, 0, 0));
    swatch.DeflateRect(1, 1);
    pDC->FillSolidRect(&swatch, m_bUsePalette ? PALETTEINDEX(0) : GetColor());
}

void SECWellButton::ColorChosen(COLORREF crColor) {
    SetColor(crColor);
    UpdateWindow();
    if (CWnd* parent = GetParent())
        parent->SendMessage(SEC_WM_COLORCHOSEN, static_cast<WPARAM>(GetDlgCtrlID()),
                            static_cast<LPARAM>(crColor));
}

LRESULT SECWellButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SEC_WM_COLORCHOSEN) {
        ColorChosen(static_cast<COLORREF>(lParam));
        return 0;
    }
    if (message == SEC_WM_OTHERCOLOR) {
        CColorDialog dialog(GetColor(), GetColorDialogFlags(), this);
        if (dialog.DoModal() == IDOK)
            ColorChosen(dialog.GetColor());
        return 0;
    }
    return SECOwnerDrawButton::WindowProc(message, wParam, lParam);
}
