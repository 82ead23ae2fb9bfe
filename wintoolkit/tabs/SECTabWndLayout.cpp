#include "wintoolkit/tabs/SECTabWndLayout.h"

#include <algorithm>

CRect SECTabWndLayout::Inside() const {
    CRect inside = client;
    inside.bottom -= stripHeight;
    if (usesVert)
        inside.right -= vbarWidth;
    return inside;
}

CRect SECTabWndLayout::Splitter() const {
    const CRect inside = Inside();
    const int left = inside.left + stripWidth;
    return CRect(left, inside.bottom, left + splitterWidth, inside.bottom + stripHeight);
}

void SECTabWndLayout::LimitStripWidth() {
    if (usesHorz)
        stripWidth = std::min(std::max(stripWidth, 0), Inside().right - kBarReserve);
}

CRect SECTabWndLayout::TabCtrl() const {
    const CRect inside = Inside();
    const int width = usesHorz ? stripWidth : inside.Width();
    return CRect(inside.left, inside.bottom, inside.left + width, inside.bottom + stripHeight);
}

CRect SECTabWndLayout::HorzBar() const {
    if (!usesHorz)
        return CRect();
    const CRect inside = Inside();
    const int left = Splitter().right;
    return CRect(left, inside.bottom, left + inside.right - left + 1, inside.bottom + hbarHeight);
}

CRect SECTabWndLayout::VertBar() const {
    if (!usesVert)
        return CRect();
    const CRect inside = Inside();
    return CRect(inside.right, inside.top, inside.right + vbarWidth, inside.bottom);
}

void SECTabWndLayout::Size(int cx, bool first) {
    if (usesHorz) {
        if (first)
            stripWidth = std::max(cx - kBarReserve, 0);
        else if (stripWidth > cx - kBarReserve)
            stripWidth = cx - kBarReserve;
    } else if (first) {
        stripWidth = Inside().Width();
    }
}
