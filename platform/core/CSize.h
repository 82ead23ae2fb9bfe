#pragma once
// A width and height, or a distance, and the plain structure that drawing calls take.

#include "platform/core/Types.h"

struct SIZE {
    LONG cx;
    LONG cy;
};
using LPSIZE = SIZE*;

// A size with the arithmetic of sizes.
class CSize : public SIZE {
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int cx, int cy) : SIZE{cx, cy} {}
    constexpr CSize(SIZE size) : SIZE(size) {}

    void SetSize(int newCx, int newCy) {
        cx = newCx;
        cy = newCy;
    }

    constexpr bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
    constexpr bool operator==(const SIZE& other) const { return cx == other.cx && cy == other.cy; }
    CSize& operator+=(SIZE size) {
        cx += size.cx;
        cy += size.cy;
        return *this;
    }
    CSize& operator-=(SIZE size) {
        cx -= size.cx;
        cy -= size.cy;
        return *this;
    }
    constexpr CSize operator+(SIZE size) const { return {cx + size.cx, cy + size.cy}; }
    constexpr CSize operator-(SIZE size) const { return {cx - size.cx, cy - size.cy}; }
    constexpr CSize operator-() const { return {-cx, -cy}; }
};
