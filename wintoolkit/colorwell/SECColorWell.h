#pragma once
// A colour well: a grid of colour cells (5 rows of 4 by default) from which the user picks a
// colour with the mouse or the arrow keys, optionally with an "&Other..." button that opens the
// colour dialog and a custom cell below the grid for a colour chosen there. A choice is sent to
// the parent as message 1125 (the well's id, the colour). There is no system palette here: the
// cells always take the toolkit's twenty colours.

#include "platform/core/COLORREF.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CPalette.h"

class CDC;

// Messages of the colour wells: a colour was chosen (WPARAM the sender's id or 0, LPARAM the
// colour), and another colour is wanted (posted by a pop-up well to its button).
constexpr UINT SEC_WM_COLORCHOSEN = WM_USER + 101;
constexpr UINT SEC_WM_OTHERCOLOR = WM_USER + 102;
// The "&Other..." button's command id and the string of its text.
constexpr UINT SEC_ID_OTHERCOLOR = 59953;
constexpr UINT SEC_IDS_OTHERCOLOR = 20616;
// How a cell was selected (SelectCell).
constexpr int SEC_SELECT_KEY = 0;
constexpr int SEC_SELECT_HOVER = 1;
constexpr int SEC_SELECT_CLICK = 2;

class SECColorWell : public CWnd {
    DECLARE_DYNCREATE(SECColorWell)
public:
    SECColorWell();
    ~SECColorWell() override;

    using CWnd::Create;
    // Makes the well as a child at (x, y) of the parent (in dialog units when dialogUnits), or
    // as a pop-up window at that screen position when the style has WS_POPUP. Style bit 0x1
    // gives it a raised border and wider margins.
    virtual BOOL Create(DWORD dwStyle, int x, int y, CWnd* pParentWnd, UINT nID,
                        BOOL bDialogUnits = TRUE, BOOL bOtherColor = FALSE,
                        CCreateContext* pContext = nullptr);
    virtual void DrawCell(CDC* pDC, const CPoint& origin, int nCol, int nRow);
    virtual void DrawSelectedCell(CDC* pDC, const CPoint& origin, int nCol, int nRow);
    // Sends SEC_WM_COLORCHOSEN to the parent with the well's id and the selected colour.
    virtual void NotifyColor();
    virtual void SelectCell(int nCol, int nRow, int nHow);
    virtual BOOL CreateWellPalette();
    virtual void SetGridSize();
    // A hook on the palette entries before the palette is made; does nothing.
    virtual void AdjustColors(PALETTEENTRY* pEntries, int nCount, int nFilled);
    virtual DWORD GetColorDialogFlags();
    virtual UINT GetClassStyle();
    // Everything back as a new well's; the "&Other..." button and the palette are deleted.
    virtual void Reset();
    virtual BOOL HasFocusFrame();

    // Selects the cell of that colour; a colour not in the grid becomes the custom cell's
    // when the well offers other colours (else nothing changes).
    void SetColor(COLORREF crColor);
    COLORREF GetColor() const;
    void SetTrackHover(BOOL bTrack) { m_bTrackHover = bTrack; }
    // Paint the cells with palette indexes through the well's palette.
    void SetUsePalette(BOOL bUse) { m_bUsePaletteIndex = bUse; }

    // The well's layout without a window: computed by Create (and by PrepareLayout).
    const CRect& GetWellRect() const { return m_rcWell; }
    const CRect& GetOtherButtonRect() const { return m_rcOther; }
    // The rectangle of a cell in client coordinates (the custom cell is (columns − 1, rows)).
    CRect GetCellRect(int nCol, int nRow) const;
    // The cell under a point of the client area; FALSE when there is none.
    BOOL HitTest(CPoint point, int& nCol, int& nRow) const;
    // Where an arrow key moves the selection from (nCol, nRow).
    void NextCell(UINT nKey, int& nCol, int& nRow) const;
    int GetSelectedColumn() const { return m_nSelCol; }
    int GetSelectedRow() const { return m_nSelRow; }
    BOOL IsCustomColorSet() const { return m_bCustomColorSet; }
    // The twenty default colours of the cells.
    static const COLORREF kDefaultColors[20];

protected:
    // Grid size, custom cell, margins and the well's and button's rectangles, in the parent's
    // client coordinates (dialog units when bDialogUnits, mapped by a dialog parent).
    void PrepareLayout(DWORD dwStyle, int x, int y, CWnd* pParentWnd, BOOL bDialogUnits,
                       BOOL bOtherColor);
    BOOL IsCustomCell(int nCol, int nRow) const;
    int PaletteIndex(int nCol, int nRow) const;
    COLORREF CellColor(int nCol, int nRow) const;
    void InvalidateCell(int nCol, int nRow);
    void Paint(CDC* pDC);
    // Reads the system colours the wells draw with.
    static void ReadSystemColors();
    // Opens the colour dialog with the selected colour; OK sets its colour.
    virtual void OnOtherColor();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    UINT OnGetDlgCode() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;
    void OnSysColorChange() override;

    CPalette m_pal;
    int m_nRows;
    int m_nCols;
    int m_nCustomCol;
    int m_nCustomRow;
    int m_nCellHeight;
    int m_nCellWidth;
    int m_nMarginX;
    int m_nMarginY;
    int m_nRowPitch;
    int m_nSelRow;
    int m_nSelCol;
    int m_nCustomIndex;
    BOOL m_bHasFocus;
    BOOL m_bTrackHover;
    BOOL m_bOtherColor;
    BOOL m_bCustomColorSet;
    BOOL m_bUsePaletteIndex;
    CBrush m_brFace;
    CButton* m_pOtherButton;
    CRect m_rcWell;
    CRect m_rcOther;

    // The system colours shared by all wells.
    static COLORREF s_clrBtnHilite;
    static COLORREF s_clrBtnShadow;
    static COLORREF s_clrBtnFace;
    static COLORREF s_clr3DDkShadow;
    static COLORREF s_clr3DLight;
    static COLORREF s_clrWindowFrame;
};
