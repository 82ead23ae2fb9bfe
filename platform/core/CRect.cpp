#include "platform/core/CRect.h"

#include <algorithm>

void CRect::InflateRect(int l, int t, int r, int b) {
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::OffsetRect(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

void CRect::NormalizeRect() {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT a, LPCRECT b) {
    const CRect overlap(std::max(a->left, b->left), std::max(a->top, b->top),
                        std::min(a->right, b->right), std::min(a->bottom, b->bottom));
    if (overlap.IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    *this = overlap;
    return TRUE;
}

BOOL CRect::UnionRect(LPCRECT a, LPCRECT b) {
    const CRect first(a), second(b);
    if (first.IsRectEmpty())
        *this = second;
    else if (second.IsRectEmpty())
        *this = first;
    else
        SetRect(std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                std::max(a->bottom, b->bottom));
    if (IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    return TRUE;
}
