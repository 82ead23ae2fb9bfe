#pragma once
// A point in pixels or logical units, and the plain structure that drawing calls take.

#include "platform/core/CSize.h"

struct POINT {
    LONG x;
    LONG y;
};
using LPPOINT = POINT*;

// A point with the arithmetic that window code does on points: offsets by sizes and points,
// differences as sizes.
class CPoint : public POINT {
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x, int y) : POINT{x, y} {}
    constexpr CPoint(POINT point) : POINT(point) {}
    constexpr explicit CPoint(SIZE size) : POINT{size.cx, size.cy} {}

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }
    void SetPoint(int newX, int newY) {
        x = newX;
        y = newY;
    }

    constexpr bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
    constexpr bool operator==(const POINT& other) const { return x == other.x && y == other.y; }
    CPoint& operator+=(SIZE size) {
        Offset(size);
        return *this;
    }
    CPoint& operator-=(SIZE size) {
        Offset(-size.cx, -size.cy);
        return *this;
    }
    CPoint& operator+=(POINT point) {
        Offset(point);
        return *this;
    }
    CPoint& operator-=(POINT point) {
        Offset(-point.x, -point.y);
        return *this;
    }
    constexpr CPoint operator+(SIZE size) const { return {x + size.cx, y + size.cy}; }
    constexpr CPoint operator-(SIZE size) const { return {x - size.cx, y - size.cy}; }
    constexpr CPoint operator+(POINT point) const { return {x + point.x, y + point.y}; }
    constexpr CSize operator-(POINT point) const { return {x - point.x, y - point.y}; }
    constexpr CPoint operator-() const { return {-x, -y}; }
};
