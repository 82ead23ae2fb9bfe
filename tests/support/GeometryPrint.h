#pragma once
// Rectangles, points and sizes as test messages show them.

#include "platform/core/CRect.h"

#include <ostream>

inline void PrintTo(const CRect& rect, std::ostream* os) {
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
inline void PrintTo(const CPoint& point, std::ostream* os) {
    *os << "(" << point.x << ", " << point.y << ")";
}
inline void PrintTo(const CSize& size, std::ostream* os) {
    *os << "(" << size.cx << " x " << size.cy << ")";
}
