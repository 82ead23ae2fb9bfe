#pragma once
// How a toolkit dock bar lays out its rows, kept apart from its window: the bar array's rows,
// their normalisation to shares that add up to 1, the layout of rows of sizable bars (end to end
// across the dock bar with bar sizers between them, a row sizer and a separator beside each
// row) and of rows of fixed-size bars (at their own sizes, wrapping), the sizers' limits and
// moves, docking into rows, placeholders, and the drop preview of a dragged bar.
//
// Everything is in the dock bar's client coordinates. What the layout needs of the bars' and
// the dock bar's windows it asks its site.

#include "platform/core/CPtrArray.h"
#include "platform/core/CRect.h"

#include <memory>
#include <vector>

class CControlBar;
class SECControlBar;
class SECDockSeparator;
class SECDockSizer;

class SECDockLayoutSite {
public:
    virtual ~SECDockLayoutSite() = default;
    // Shown, counting a delayed show or hide.
    virtual BOOL IsBarVisible(CControlBar* pBar) const = 0;
    // The bar's rectangle in the dock bar's client coordinates.
    virtual CRect GetBarRect(CControlBar* pBar) const = 0;
    virtual UINT GetBarId(CControlBar* pBar) const = 0;
    // The bar's drag context's most recent docked rectangle.
    virtual void SetMRUDockRect(CControlBar* pBar, const CRect& rect) = 0;
    // A layout's moves, applied together at its end.
    virtual void BeginMoves(int nCount) = 0;
    virtual void MoveBar(CControlBar* pBar, const CRect& rect, UINT nFlags) = 0;
    virtual void EndMoves() = 0;
    // Applies the bar's delayed show or hide.
    virtual void ApplyDelayShow(CControlBar* pBar) = 0;
    // The dock bar window's size.
    virtual CSize GetDockBarSize() const = 0;
    // The main window's pane area (what the bars leave), in the dock bar's client coordinates.
    virtual CRect GetPaneRect() const = 0;
};

// The toolkit-wide flag under which layouts move bars without redrawing them; it starts set and
// only the dock bar's size-parent handling changes it for the time it runs.
extern int secDeferRedraw;

class SECDockLayout {
public:
    SECDockLayout(CPtrArray& arrBars, SECDockLayoutSite& site);
    ~SECDockLayout();
    SECDockLayout(const SECDockLayout&) = delete;
    SECDockLayout& operator=(const SECDockLayout&) = delete;

    // The side: one CBRS_ALIGN_ bit (a floating dock bar: top or left).
    void SetAlignment(DWORD dwAlign) { m_dwAlign = dwAlign; }
    void SetFloating(BOOL bFloating) { m_bFloating = bFloating; }
    BOOL IsHorz() const;

    // Lays the rows out in `room` and returns the dock bar's size; bQuery measures without
    // moving a bar or keeping a band. `borders` holds the dock bar's own border widths.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz, CSize room, BOOL bQuery, const CRect& borders);
    // Makes the row's visible shares add up to 1, keeping the changed bar's share as far as
    // it can; counts the row's sizable and fixed-size visible bars.
    void NormalizeRow(int nRowStart, CControlBar* pChanged, int* pnSizable, int* pnFixed);

    // The limits of a sizer's leading edge.
    void CalcSizerLimits(SECDockSizer* pSizer);
    // Applies a sizer moved by nDelta pixels.
    void OnSizerMoved(SECDockSizer* pSizer, int nDelta);

    // Puts the bar in the row that holds the rectangle's centre, after the last bar of that
    // row that starts before it; a centre before a row starts a new row there, one beyond the
    // last row a new last row. Without a rectangle, a new last row. Returns the position.
    int InsertAtRect(CControlBar* pBar, const CRect* pRect);
    // Puts the bar at the visible column of the row (a row beyond the last: a new last row).
    int InsertBar(CControlBar* pBar, int nColumn, int nRow);
    // Where InsertAtRect would put the bar, ignoring the bar itself: the row's first entry and
    // the position; -1 rows for a new row.
    void FindPlace(const CRect& rect, CControlBar* pIgnore, int* pnRowStart, int* pnPos) const;
    // Takes the bar's entry out: it becomes a placeholder (nAddPlaceHolder not 0), unless one
    // stands for the bar already, in which case it goes with the null that would then double.
    // FALSE when the bar is not here.
    BOOL RemoveBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder);
    // Removes the placeholders of an id.
    void RemovePlaceHolder(UINT nID);
    // A bar here was shown or hidden.
    void OnBarShowChanged(CControlBar* pBar);

    // The rectangle a dragged bar would take if dropped, for the drag's outline. The row,
    // rectangle and point of the last call carry the preview along while the row stays.
    CRect CalcDropRect(CControlBar* pBar, const CRect& rectDrag, CPoint point, int* pnLastRow,
                       CRect* pLastRect, CPoint* pLastPoint) const;

    // Rows: the first entry of the row holding a position, the null ending it, whether a bar is
    // alone in its row.
    int RowStart(int nPos) const;
    int RowEnd(int nRowStart) const;
    // The bar at a position, or nullptr (a null or a placeholder).
    CControlBar* BarAt(int nPos) const;
    int FindBar(const void* pEntry, int nPosExclude = -1) const;
    // The visible bars of the row that starts at nRowStart.
    std::vector<CControlBar*> VisibleBarsOfRow(int nRowStart) const;

    void AddToRepaint(CControlBar* pBar);
    // Every bar from the position to the end, or from the start up to it.
    void RepaintFrom(int nPos);
    void RepaintUpTo(int nPos);

    SECDockSizer* AddSizer(int nKind, int nOrientation, const CRect& rect, int nIndex);
    SECDockSeparator* AddSeparator(int nOrientation, const CRect& rect);
    // Deletes every sizer and line.
    void ClearBands();
    // The sizer whose band holds the point, or nullptr.
    SECDockSizer* SizerAt(CPoint point) const;

    const std::vector<std::unique_ptr<SECDockSizer>>& Sizers() const { return m_sizers; }
    const std::vector<std::unique_ptr<SECDockSeparator>>& Separators() const {
        return m_separators;
    }

    std::vector<CControlBar*> m_arrRepaint;
    CControlBar* m_pChangedBar;
    BOOL m_bLayoutChanged;
    CSize m_border;

private:
    static SECControlBar* Toolkit(CControlBar* pBar);
    DWORD BaseMode(CControlBar* pBar) const;
    // One row: measured, then placed. Returns the row's thickness.
    void LayoutRow(int& nStart, int& nEnd, CSize room, BOOL bQuery, CPoint& pen, CSize& sizeFixed,
                   int& nFirstRepaint);
    void PlaceFixedRow(int nStart, int& nEnd, int t, CSize room, BOOL bQuery, CPoint& pen,
                       CSize& sizeFixed);
    void PlaceSizableRow(int nStart, int nEnd, int t, CSize room, BOOL bQuery, CPoint& pen,
                         int& nFirstRepaint);
    void NextRow(int t, CPoint& pen, CSize& sizeFixed) const;
    void MoveIfChanged(CControlBar* pBar, const CRect& rect, BOOL bQuery, BOOL* pbSizeChanged,
                       BOOL* pbThicknessChanged);
    void RemoveDoubledNull(int nPos);
    void CommitLength(CControlBar* pBar, int nLength);
    int LengthOf(const CRect& rect) const;
    int ThicknessOf(CSize size) const;

    CPtrArray& m_arrBars;
    SECDockLayoutSite& m_site;
    DWORD m_dwAlign;
    BOOL m_bFloating;
    std::vector<std::unique_ptr<SECDockSizer>> m_sizers;
    std::vector<std::unique_ptr<SECDockSeparator>> m_separators;
};
