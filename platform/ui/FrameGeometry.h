#pragma once
// The non-client area that the program draws itself for its small frames (floating frames and
// MDI child frames): sizing edges of a border width, a caption strip with the title and the
// caption buttons (close, maximise or restore, minimise) from the right, and the inside where
// the frame's bars and pane lie. Where a point falls in it is the frame's hit test.

#include "platform/core/CRect.h"

struct FrameGeometry {
    int border = 0;
    int caption = 0;
    bool sizable = false;
    bool closeBox = false;
    bool maxBox = false;
    bool minBox = false;

    // The caption strip of a window of this size (window coordinates).
    CRect CaptionRect(CSize window) const;
    // A caption button (HTCLOSE, HTMAXBUTTON, HTMINBUTTON); empty when the frame has none.
    CRect ButtonRect(int nHitTest, CSize window) const;
    // Where the bars and the pane lie.
    CRect InsideRect(CSize window) const;
    // The hit test of a point: a caption button, the caption, a sizing edge or corner (only when
    // sizable; otherwise the border is HTBORDER), HTCLIENT inside, HTNOWHERE outside.
    int HitTest(CPoint point, CSize window) const;
    // The window size for an inside size.
    CSize WindowSize(CSize inside) const;
};

// A rectangle resized from a sizing border (hit test HTLEFT ... HTBOTTOMRIGHT) by the mouse's
// movement: the edges the hit test names move; none passes the opposite one.
CRect StretchRect(const CRect& start, int nHitTest, CSize delta);
