#include "wintoolkit/colorwell/SECColorWell.h"

#include "platform/ui/CBitmap.h"
#include "platform/ui/CColorDialog.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/SystemSettings.h"

#include <vector>

namespace {

// Posted to a pop-up well when its button loses the focus: by then the window that has the
// focus is known.
constexpr UINT kCheckFocus = WM_USER + 103;

// The "&Other..." button inside a well: it wants Tab, and hands the focus back to the well.
class SECWellOtherButton : public CButton {
public:
    explicit SECWellOtherButton(SECColorWell* well) : m_well(well) {}

protected:
    UINT OnGetDlgCode() override { return DLGC_BUTTON | DLGC_WANTTAB; }

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override {
        const bool arrow =
            nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN;
        if (InPopup() && (nChar == VK_TAB || arrow)) {
            m_well->SetFocus();
            return;
        }
        if (!InPopup() && nChar == VK_TAB) {
            if (GetKeyState(VK_SHIFT) < 0) {
                m_well->SetFocus();
            } else if (CWnd* dialog = m_well->GetParent()) {
                if (CWnd* next = dialog->GetNextDlgTabItem(m_well))
                    next->SetFocus();
            }
            return;
        }
        CButton::OnKeyDown(nChar, nRepCnt, nFlags);
    }

    void OnKillFocus(CWnd* pNewWnd) override {
        CButton::OnKillFocus(pNewWnd);
        // In a pop-up well, the focus going anywhere but the well closes the pop-up.
        if (InPopup() && pNewWnd != m_well)
            m_well->PostMessage(kCheckFocus);
    }

private:
    bool InPopup() const { return (m_well->GetStyle() & WS_POPUP) != 0; }

    SECColorWell* m_well;
};

} // namespace

const COLORREF SECColorWell::kDefaultColors[20] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192),
    RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164),
    RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};

COLORREF SECColorWell::s_clrBtnHilite = 0;
COLORREF SECColorWell::s_clrBtnShadow = 0;
COLORREF SECColorWell::s_clrBtnFace = 0;
COLORREF SECColorWell::s_clr3DDkShadow = 0;
COLORREF SECColorWell::s_clr3DLight = 0;
COLORREF SECColorWell::s_clrWindowFrame = 0;

IMPLEMENT_DYNCREATE(SECColorWell, CWnd)

SECColorWell::SECColorWell() : m_pOtherButton(nullptr) {
    ReadSystemColors();
    m_brFace.CreateSolidBrush(s_clrBtnFace);
    m_nRows = 5;
    m_nCols = 4;
    m_nCellHeight = m_nCellWidth = 0;
    m_nRowPitch = 2;
    m_nCustomIndex = 20;
    Reset();
}

SECColorWell::~SECColorWell() {
    DestroyWindow();
    delete m_pOtherButton;
}

void SECColorWell::ReadSystemColors() {
    s_clrBtnHilite = GetSysColor(COLOR_BTNHIGHLIGHT);
    s_clrBtnShadow = GetSysColor(COLOR_BTNSHADOW);
    s_clrBtnFace = GetSysColor(COLOR_BTNFACE);
    s_clr3DDkShadow = GetSysColor(COLOR_3DDKSHADOW);
    s_clr3DLight = GetSysColor(COLOR_3DLIGHT);
    s_clrWindowFrame = GetSysColor(COLOR_WINDOWFRAME);
}

void SECColorWell::Reset() {
    m_nMarginX = m_nMarginY = 2;
    m_nSelRow = m_nSelCol = 1;
    m_bHasFocus = FALSE;
    m_bTrackHover = FALSE;
    m_bOtherColor = FALSE;
    m_bCustomColorSet = FALSE;
    m_bUsePaletteIndex = FALSE;
    delete m_pOtherButton;
    m_pOtherButton = nullptr;
    m_pal.DeleteObject();
}

void SECColorWell::SetGridSize() {
    m_nRows = 5;
    m_nCols = 4;
}

void SECColorWell::AdjustColors(PALETTEENTRY*, int, int) {}

DWORD SECColorWell::GetColorDialogFlags() {
    return CC_RGBINIT | CC_FULLOPEN;
}

UINT SECColorWell::GetClassStyle() {
    return 0;
}

BOOL SECColorWell::HasFocusFrame() {
    return TRUE;
}

BOOL SECColorWell::CreateWellPalette() {
    const int count = m_nRows * m_nCols + 1;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY), 0);
    auto* logical = reinterpret_cast<LOGPALETTE*>(block.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(count);
    const int cells = count - 1;
    const int filled = std::min(cells, 20);
    for (int i = 0; i < filled; ++i) {
        logical->palPalEntry[i].peRed = GetRValue(kDefaultColors[i]);
        logical->palPalEntry[i].peGreen = GetGValue(kDefaultColors[i]);
        logical->palPalEntry[i].peBlue = GetBValue(kDefaultColors[i]);
    }
    AdjustColors(logical->palPalEntry, cells, filled);
    logical->palPalEntry[cells] = PALETTEENTRY{0, 0, 0, 0}; // the custom colour: black
    m_bCustomColorSet = FALSE;
    m_pal.DeleteObject();
    return m_pal.CreatePalette(logical);
}

void SECColorWell::PrepareLayout(DWORD dwStyle, int x, int y, CWnd* pParentWnd, BOOL bDialogUnits,
                                 BOOL bOtherColor) {
    SetGridSize();
    m_nCustomCol = m_nCols - 1;
    m_nCustomRow = m_nRows;
    m_nCustomIndex = m_nRows * m_nCols;
    m_bOtherColor = bOtherColor;
    m_nMarginX = m_nMarginY = (dwStyle & 0x1) ? 4 : 2;
    if (HasFocusFrame()) {
        ++m_nMarginX;
        ++m_nMarginY;
    }
    auto* dialog = dynamic_cast<CDialog*>(pParentWnd);
    if (dialog && dialog->GetSafeHwnd()) {
        CRect cell(0, 0, 10, 10);
        dialog->MapDialogRect(&cell);
        m_nCellWidth = cell.Width();
        m_nCellHeight = cell.Height();
        if (bDialogUnits) {
            CRect at(x, y, x, y);
            dialog->MapDialogRect(&at);
            x = at.left;
            y = at.top;
        }
    } else {
        const LONG units = GetDialogBaseUnits();
        const int baseX = LOWORD(static_cast<DWORD>(units));
        const int baseY = HIWORD(static_cast<DWORD>(units));
        m_nCellWidth = baseX * 10 / 4;
        m_nCellHeight = baseY * 10 / 8;
        if (bDialogUnits) {
            x = baseX * x / 4;
            y = baseY * y / 8;
        }
    }
    m_nRowPitch = m_nCellHeight + 2;
    const int width = (m_nCellWidth + 2) * m_nCols + 2 * m_nMarginX - 2;
    int height = m_nRows * (m_nCellHeight + 2) + 2 * m_nMarginY - 2;
    if (m_bOtherColor)
        height += m_nRowPitch + 6;
    m_rcWell = CRect(x, y, x + width, y + height);
    const int buttonTop = height - m_nMarginY - m_nRowPitch;
    m_rcOther = CRect(m_nMarginX, buttonTop, width - m_nMarginX, buttonTop + m_nRowPitch);
}

BOOL SECColorWell::Create(DWORD dwStyle, int x, int y, CWnd* pParentWnd, UINT nID,
                          BOOL bDialogUnits, BOOL bOtherColor, CCreateContext*) {
    PrepareLayout(dwStyle, x, y, pParentWnd, bDialogUnits, bOtherColor);
    CreateWellPalette();
    // A pop-up well is a window of its own; any other is a child of its parent.
    const DWORD kind = (dwStyle & WS_POPUP) ? 0 : WS_CHILD;
    if (!CreateEx(0, AfxRegisterWndClass(GetClassStyle()), "", dwStyle | kind | WS_CLIPCHILDREN,
                  m_rcWell, pParentWnd, nID)) {
        m_pal.DeleteObject();
        return FALSE;
    }
    if (!m_bOtherColor)
        return TRUE;
    CString text;
    text.LoadString(SEC_IDS_OTHERCOLOR);
    m_pOtherButton = new SECWellOtherButton(this);
    if (!m_pOtherButton->Create(text, WS_CHILD | WS_VISIBLE, m_rcOther, this, SEC_ID_OTHERCOLOR)) {
        delete m_pOtherButton;
        m_pOtherButton = nullptr;
        m_pal.DeleteObject();
        DestroyWindow();
        return FALSE;
    }
    if (pParentWnd) {
        if (CFont* font = pParentWnd->GetFont())
            m_pOtherButton->SetFont(font, TRUE);
    }
    return TRUE;
}

BOOL SECColorWell::IsCustomCell(int nCol, int nRow) const {
    return nCol == m_nCustomCol && nRow == m_nCustomRow;
}

int SECColorWell::PaletteIndex(int nCol, int nRow) const {
    return IsCustomCell(nCol, nRow) ? m_nCustomIndex : nRow * m_nCols + nCol;
}

COLORREF SECColorWell::CellColor(int nCol, int nRow) const {
    const int index = PaletteIndex(nCol, nRow);
    return m_bUsePaletteIndex ? PALETTEINDEX(static_cast<WORD>(index))
                              : m_pal.GetEntryColor(static_cast<UINT>(index));
}

CRect SECColorWell::GetCellRect(int nCol, int nRow) const {
    CRect inside;
    if (GetSafeHwnd())
        GetClientRect(&inside);
    else
        inside = CRect(0, 0, m_rcWell.Width(), m_rcWell.Height());
    inside.DeflateRect(m_nMarginX, m_nMarginY);
    CRect cell(inside.left + (m_nCellWidth + 2) * nCol, inside.top + (m_nCellHeight + 2) * nRow, 0,
               0);
    cell.right = cell.left + m_nCellWidth;
    cell.bottom = cell.top + m_nCellHeight;
    if (m_bOtherColor && IsCustomCell(nCol, nRow))
        cell.OffsetRect(0, 5);
    return cell;
}

BOOL SECColorWell::HitTest(CPoint point, int& nCol, int& nRow) const {
    for (int col = 0; col < m_nCols; ++col) {
        for (int row = 0; row < m_nRows; ++row) {
            CRect cell = GetCellRect(col, row);
            cell.InflateRect(1, 1);
            if (cell.PtInRect(point)) {
                nCol = col;
                nRow = row;
                return TRUE;
            }
        }
    }
    if (m_bOtherColor && m_bCustomColorSet) {
        CRect cell = GetCellRect(m_nCustomCol, m_nCustomRow);
        cell.InflateRect(1, 1);
        if (cell.PtInRect(point)) {
            nCol = m_nCustomCol;
            nRow = m_nCustomRow;
            return TRUE;
        }
    }
    return FALSE;
}

void SECColorWell::NextCell(UINT nKey, int& nCol, int& nRow) const {
    const bool customShown = m_bOtherColor && m_bCustomColorSet;
    const bool onCustom = IsCustomCell(nCol, nRow) && nRow == m_nCustomRow;
    const int lastCol = m_nCols - 1, lastRow = m_nRows - 1;
    switch (nKey) {
    case VK_LEFT:
        if (onCustom) {
            nCol = lastCol;
            nRow = lastRow;
        } else if (nCol > 0) {
            --nCol;
        } else if (nRow > 0) {
            nCol = lastCol;
            --nRow;
        } else if (customShown) {
            nCol = m_nCustomCol;
            nRow = m_nCustomRow;
        } else {
            nCol = lastCol;
            nRow = lastRow;
        }
        break;
    case VK_RIGHT:
        if (onCustom) {
            nCol = nRow = 0;
        } else if (nCol < lastCol) {
            ++nCol;
        } else if (nRow < lastRow) {
            nCol = 0;
            ++nRow;
        } else if (customShown) {
            nCol = m_nCustomCol;
            nRow = m_nCustomRow;
        } else {
            nCol = nRow = 0;
        }
        break;
    case VK_UP:
        if (onCustom)
            nRow = lastRow;
        else if (nRow > 0)
            --nRow;
        else if (customShown && nCol == m_nCustomCol)
            nRow = m_nCustomRow;
        else
            nRow = lastRow;
        break;
    case VK_DOWN:
        if (nRow < lastRow)
            ++nRow;
        else if (customShown && nCol == m_nCustomCol && !onCustom)
            nRow = m_nCustomRow;
        else
            nRow = 0;
        break;
    default:
        break;
    }
}

void SECColorWell::InvalidateCell(int nCol, int nRow) {
    if (!GetSafeHwnd())
        return;
    CRect cell = GetCellRect(nCol, nRow);
    cell.InflateRect(1, 1); // the selection frame
    InvalidateRect(&cell, FALSE);
}

void SECColorWell::SelectCell(int nCol, int nRow, int) {
    InvalidateCell(m_nSelCol, m_nSelRow);
    InvalidateCell(nCol, nRow);
    m_nSelCol = nCol;
    m_nSelRow = nRow;
    NotifyColor();
}

void SECColorWell::NotifyColor() {
    if (CWnd* parent = GetParent())
        parent->SendMessage(SEC_WM_COLORCHOSEN, static_cast<WPARAM>(GetDlgCtrlID()),
                            static_cast<LPARAM>(GetColor()));
}

void SECColorWell::SetColor(COLORREF crColor) {
    for (int col = 0; col < m_nCols; ++col) {
        for (int row = 0; row < m_nRows; ++row) {
            if (m_pal.GetEntryColor(static_cast<UINT>(PaletteIndex(col, row))) == crColor) {
                InvalidateCell(m_nSelCol, m_nSelRow);
                m_nSelCol = col;
                m_nSelRow = row;
                InvalidateCell(col, row);
                return;
            }
        }
    }
    if (!m_bOtherColor)
        return;
    const PALETTEENTRY custom{GetRValue(crColor), GetGValue(crColor), GetBValue(crColor), 0};
    m_pal.SetPaletteEntries(static_cast<UINT>(m_nCustomIndex), 1, &custom);
    if (!m_bCustomColorSet) {
        // The first custom colour makes room for its cell beside the button.
        m_bCustomColorSet = TRUE;
        m_rcOther.right -= m_nCellWidth + 2;
        if (m_pOtherButton && m_pOtherButton->GetSafeHwnd())
            m_pOtherButton->MoveWindow(&m_rcOther);
    }
    InvalidateCell(m_nSelCol, m_nSelRow);
    m_nSelCol = m_nCustomCol;
    m_nSelRow = m_nCustomRow;
    InvalidateCell(m_nSelCol, m_nSelRow);
}

COLORREF SECColorWell::GetColor() const {
    return m_pal.GetEntryColor(static_cast<UINT>(PaletteIndex(m_nSelCol, m_nSelRow)));
}

void SECColorWell::DrawCell(CDC* pDC, const CPoint& origin, int nCol, int nRow) {
    CRect cell = GetCellRect(nCol, nRow);
    cell.OffsetRect(-origin.x, -origin.y);
    if (!pDC->RectVisible(&cell))
        return;
    pDC->Draw3dRect(&cell, s_clrBtnShadow, s_clrBtnHilite);
    cell.DeflateRect(1, 1);
    pDC->Draw3dRect(&cell, s_clr3DDkShadow, s_clr3DLight);
    cell.DeflateRect(1, 1);
    pDC->FillSolidRect(&cell, CellColor(nCol, nRow));
}

void SECColorWell::DrawSelectedCell(CDC* pDC, const CPoint& origin, int nCol, int nRow) {
    CRect cell = GetCellRect(nCol, nRow);
    cell.OffsetRect(-origin.x, -origin.y);
    cell.InflateRect(1, 1);
    for (const COLORREF ring : {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0)}) {
        pDC->Draw3dRect(&cell, ring, ring);
        cell.DeflateRect(1, 1);
    }
    pDC->FillSolidRect(&cell, CellColor(nCol, nRow));
}

void SECColorWell::Paint(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, s_clrBtnFace);
    if (HasFocusFrame()) {
        const COLORREF frame = m_bHasFocus ? s_clrWindowFrame : s_clrBtnFace;
        pDC->Draw3dRect(&client, frame, frame);
    }
    if (GetStyle() & 0x1) {
        CRect border(client);
        pDC->Draw3dRect(&border, s_clr3DLight, s_clr3DDkShadow);
        border.DeflateRect(1, 1);
        pDC->Draw3dRect(&border, s_clrBtnHilite, s_clrBtnShadow);
    }
    const CPoint origin(0, 0);
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            if (col == m_nSelCol && row == m_nSelRow)
                DrawSelectedCell(pDC, origin, col, row);
            else
                DrawCell(pDC, origin, col, row);
        }
    }
    if (!m_bOtherColor)
        return;
    CRect inside(client);
    inside.DeflateRect(m_nMarginX, m_nMarginY);
    const int separator = inside.top + m_nRows * m_nRowPitch + 1;
    pDC->FillSolidRect(inside.left, separator, inside.Width(), 1, s_clrBtnShadow);
    pDC->FillSolidRect(inside.left, separator + 1, inside.Width(), 1, RGB(255, 255, 255));
    if (!m_bCustomColorSet)
        return;
    if (IsCustomCell(m_nSelCol, m_nSelRow))
        DrawSelectedCell(pDC, origin, m_nCustomCol, m_nCustomRow);
    else
        DrawCell(pDC, origin, m_nCustomCol, m_nCustomRow);
}

void SECColorWell::OnPaint() {
    CPaintDC dc(this);
    if (m_bUsePaletteIndex) {
        dc.SelectPalette(&m_pal, TRUE);
        dc.RealizePalette();
    }
    CRect client;
    GetClientRect(&client);
    // Into a bitmap first, then the part to be painted onto the screen; straight onto the
    // screen when no bitmap can be had.
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&dc) ||
        !bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height())) {
        Paint(&dc);
        return;
    }
    CBitmap* old = memory.SelectObject(&bitmap);
    if (m_bUsePaletteIndex) {
        memory.SelectPalette(&m_pal, TRUE);
        memory.RealizePalette();
    }
    Paint(&memory);
    const CRect& box = dc.m_ps.rcPaint;
    dc.BitBlt(box.left, box.top, box.Width(), box.Height(), &memory, box.left, box.top, SRCCOPY);
    memory.SelectObject(old);
}

BOOL SECColorWell::OnEraseBkgnd(CDC*) {
    return TRUE; // the paint covers everything
}

void SECColorWell::OnLButtonDown(UINT, CPoint point) {
    SetFocus();
    int col = 0, row = 0;
    if (HitTest(point, col, row))
        SelectCell(col, row, SEC_SELECT_CLICK);
}

void SECColorWell::OnMouseMove(UINT nFlags, CPoint point) {
    int col = 0, row = 0;
    if (m_bTrackHover && HitTest(point, col, row) && (col != m_nSelCol || row != m_nSelRow))
        SelectCell(col, row, SEC_SELECT_HOVER);
    else
        CWnd::OnMouseMove(nFlags, point);
}

void SECColorWell::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    switch (nChar) {
    case VK_TAB:
        if (GetKeyState(VK_SHIFT) < 0) {
            if (CWnd* dialog = GetParent()) {
                if (CWnd* previous = dialog->GetNextDlgTabItem(this, TRUE))
                    previous->SetFocus();
            }
        } else if (m_pOtherButton) {
            m_pOtherButton->SetFocus();
        }
        return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
        int col = m_nSelCol, row = m_nSelRow;
        NextCell(nChar, col, row);
        SelectCell(col, row, SEC_SELECT_KEY);
        return;
    }
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void SECColorWell::OnSetFocus(CWnd* pOldWnd) {
    CWnd::OnSetFocus(pOldWnd);
    // Shift+Tab into a well with a button lands on the button.
    if (m_bOtherColor && m_pOtherButton && GetKeyState(VK_SHIFT) < 0 && pOldWnd != m_pOtherButton) {
        m_pOtherButton->SetFocus();
        return;
    }
    m_bHasFocus = TRUE;
    Invalidate(FALSE);
}

void SECColorWell::OnKillFocus(CWnd* pNewWnd) {
    CWnd::OnKillFocus(pNewWnd);
    m_bHasFocus = FALSE;
    Invalidate(FALSE);
}

UINT SECColorWell::OnGetDlgCode() {
    return m_bOtherColor ? DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS
                         : DLGC_WANTCHARS | DLGC_WANTARROWS;
}

HBRUSH SECColorWell::OnCtlColor(CDC* pDC, CWnd*, UINT) {
    if (pDC)
        pDC->SetBkColor(s_clrBtnFace);
    return m_brFace;
}

void SECColorWell::OnSysColorChange() {
    CWnd::OnSysColorChange();
    ReadSystemColors();
    m_brFace.DeleteObject();
    m_brFace.CreateSolidBrush(s_clrBtnFace);
    Invalidate();
}

LRESULT SECColorWell::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kCheckFocus)
        return CWnd::WindowProc(message, wParam, lParam);
    // The focus went from the pop-up's button to a window outside the pop-up.
    CWnd* focus = GetFocus();
    if ((GetStyle() & WS_POPUP) && focus && focus != this && !IsChild(focus)) {
        if (GetCapture() == this)
            ReleaseCapture();
        DestroyWindow();
    }
    return 0;
}

BOOL SECColorWell::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == SEC_ID_OTHERCOLOR && HIWORD(wParam) == BN_CLICKED) {
        OnOtherColor();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void SECColorWell::OnOtherColor() {
    CColorDialog dialog(GetColor(), GetColorDialogFlags(), this);
    if (dialog.DoModal() == IDOK)
        SetColor(dialog.GetColor());
}
