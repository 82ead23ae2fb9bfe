#pragma once
// The bands a dock bar's layout leaves between rows and bars: a sizer (a raised band the user
// drags: between two bars of a row to move length from one to the other, or beside a row to
// change its thickness) and a separator (an etched line on the row's other side).

#include "platform/core/CObject.h"
#include "platform/core/CRect.h"

class CDC;

class SECDockSizer : public CObject {
public:
    enum Kind { rowSizer = 0, barSizer = 1 };
    // Orientation: a vertical band dragged along x (1), or a horizontal one along y (0).
    enum Orientation { horizontalBand = 0, verticalBand = 1 };

    SECDockSizer(int nKind, int nOrientation, const CRect& rect, int nIndex);

    // Raised: the face, a highlight line on the leading edge, a shadow line two pixels before
    // the trailing edge and a frame line on it.
    virtual void Draw(CDC* pDC);
    // The place of the band's leading edge for a wanted one: within the limits, and the band
    // ending at the highest limit at most.
    int ClampLeading(int nLeading) const;
    // The band's leading edge (left of a vertical band, top of a horizontal one).
    int Leading() const { return m_nOrientation == verticalBand ? m_rect.left : m_rect.top; }

    int m_nKind;
    int m_nOrientation;
    CRect m_rect;
    // A bar sizer: the position of the bar before it; a row sizer: the row's first entry.
    int m_nIndex;
    BOOL m_bLive;
    int m_nLowLimit;
    int m_nHighLimit;
    CRect m_rectTrack;
    int m_nTrackSize;
    BOOL m_bDrawn;
    BOOL m_bFinished;
};

class SECDockSeparator : public CObject {
public:
    SECDockSeparator(int nOrientation, const CRect& rect);

    // Etched: a shadow line and a highlight line beside it, along the band.
    virtual void Draw(CDC* pDC);

    int m_nOrientation;
    CRect m_rect;
    BOOL m_bLive;
};

// The width of a sizer band, and of the gap a bar sizer leaves between two bars.
constexpr int SEC_SIZER_WIDTH = 6;
// The width of a separator line band.
constexpr int SEC_SEPARATOR_WIDTH = 2;
