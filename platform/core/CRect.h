#pragma once
// A rectangle (left and top inside, right and bottom just outside), and the plain structure
// that drawing calls take.

#include "platform/core/CPoint.h"

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;

// A rectangle with the operations window code does on rectangles.
class CRect : public RECT {
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rect) : RECT(rect) {}
    constexpr CRect(LPCRECT rect) : RECT(*rect) {}
    constexpr CRect(POINT topLeft, SIZE size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(POINT topLeft, POINT bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    // Empty: no area (width or height 0 or less). Null: all four edges 0.
    constexpr BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    constexpr BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr BOOL PtInRect(POINT point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    constexpr BOOL EqualRect(LPCRECT rect) const {
        return left == rect->left && top == rect->top && right == rect->right &&
               bottom == rect->bottom;
    }

    void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT rect) { *this = CRect(rect); }

    void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b);
    void InflateRect(LPCRECT rect) {
        InflateRect(rect->left, rect->top, rect->right, rect->bottom);
    }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(LPCRECT rect) {
        DeflateRect(rect->left, rect->top, rect->right, rect->bottom);
    }
    void OffsetRect(int dx, int dy);
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    // Moves the rectangle, keeping its size, so that its left or top edge is at the place.
    void MoveToX(int x) { OffsetRect(x - left, 0); }
    void MoveToY(int y) { OffsetRect(0, y - top); }
    void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    // Swaps the edges that are the wrong way round.
    void NormalizeRect();
    // The overlap of two rectangles; FALSE and an empty (0, 0, 0, 0) rectangle when none.
    BOOL IntersectRect(LPCRECT a, LPCRECT b);
    // The smallest rectangle holding both; an empty one counts as nothing. FALSE when the
    // result is empty.
    BOOL UnionRect(LPCRECT a, LPCRECT b);

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    constexpr bool operator==(const CRect& rect) const { return EqualRect(&rect); }
    constexpr bool operator==(const RECT& rect) const { return EqualRect(&rect); }
    CRect& operator+=(POINT point) {
        OffsetRect(point);
        return *this;
    }
    CRect& operator-=(POINT point) {
        OffsetRect(-point.x, -point.y);
        return *this;
    }
    CRect operator+(POINT point) const {
        CRect moved(*this);
        moved.OffsetRect(point);
        return moved;
    }
    CRect operator-(POINT point) const {
        CRect moved(*this);
        moved.OffsetRect(-point.x, -point.y);
        return moved;
    }
    CRect operator&(const RECT& rect) const {
        CRect result;
        result.IntersectRect(this, &rect);
        return result;
    }
    CRect operator|(const RECT& rect) const {
        CRect result;
        result.UnionRect(this, &rect);
        return result;
    }
};
