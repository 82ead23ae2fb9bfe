#pragma once
// The arithmetic of dragging a bar, kept apart from the windows: the drag rectangles that follow
// the mouse, the dead zone that keeps a floating bar from docking at the first touch, the choice
// of the dock bar a drag is over, the orientation a bar floats in, the rectangle of a floating
// frame resized from an edge or corner, and where bars floated in the main window go.

#include "platform/core/CRect.h"

#include <vector>

class SECDragGeometry {
public:
    // A dock bar the drag might be over: its side (one CBRS_ALIGN_ bit) and window rectangle
    // (screen coordinates).
    struct Candidate {
        DWORD side;
        CRect rect;
    };

    // Moves the rectangle the least distance that puts the point inside it; a move rightward
    // or downward goes one border further.
    static void MoveToHold(CRect& rect, CPoint point, CSize border);
    // The mouse's distance from the drag's start: the x and y distances added.
    static int Distance(CPoint from, CPoint to);
    // A floating bar still shows and keeps its floating frame until the mouse has moved this
    // far (4 pixels or less: no docking; 5: docking).
    static bool InDeadZone(bool bFloating, CPoint start, CPoint now);

    // The candidate the drag is over (its index), or -1. The current orientation first (flipped
    // with Shift): horizontal candidates with the horizontal rectangle, vertical ones with the
    // vertical rectangle, and a vertical one only when the mouse is inside its window; without
    // Shift, when none was found, each orientation again, taken only when both rectangles
    // give the same dock bar.
    static int CanDock(const std::vector<Candidate>& candidates, DWORD dwDockStyle,
                       const CRect& rectHorz, const CRect& rectVert, CPoint point, bool bHorz,
                       bool bFlip);
    // Whether a dock bar's window (an empty one grown to a pixel) touches the rectangle.
    static bool Touches(const CRect& dockBar, const CRect& rect);

    // The side a bar floats on: CBRS_ALIGN_LEFT (vertical) for a bar that is not dynamic-sized
    // and lies on the left or right without Shift, or on the top or bottom with Shift; else
    // CBRS_ALIGN_TOP.
    static DWORD FloatAlignment(DWORD dwBarStyle, bool bFlip);

    // A floating frame's rectangle resized from a sizing border (hit test) by the mouse's
    // movement; no edge passes the opposite one.
    static CRect Stretch(const CRect& start, int nHitTest, CSize delta);
    // Whether a hit test moves the left, right, top or bottom edge.
    static bool MovesLeft(int nHitTest);
    static bool MovesRight(int nHitTest);
    static bool MovesTop(int nHitTest);
    static bool MovesBottom(int nHitTest);

    // Where the next bar floated in the main window without a position goes (client
    // coordinates of the MDI client), advancing `next` by (20, 23); a coordinate that then
    // passes the client's size less 30 starts again at 30.
    static CPoint NextFloatPosition(CPoint& next, CSize client);
    // A position kept inside the MDI client: 0 .. width, 0 .. height.
    static CPoint ClampToClient(CPoint point, CSize client);
};
