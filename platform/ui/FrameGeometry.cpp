#include "platform/ui/FrameGeometry.h"

#include "platform/ui/WindowMessages.h"

#include <algorithm>

CRect FrameGeometry::CaptionRect(CSize window) const {
    if (caption <= 0)
        return CRect();
    return CRect(border, border, window.cx - border, border + caption);
}

CRect FrameGeometry::ButtonRect(int nHitTest, CSize window) const {
    const CRect strip = CaptionRect(window);
    if (strip.IsRectEmpty())
        return CRect();
    const int size = caption - 2;
    const int hits[] = {HTCLOSE, HTMAXBUTTON, HTMINBUTTON};
    const bool present[] = {closeBox, maxBox, minBox};
    int right = strip.right - 1;
    for (int i = 0; i < 3; ++i) {
        if (!present[i])
            continue;
        const CRect button(right - size, strip.top + 1, right, strip.top + 1 + size);
        if (hits[i] == nHitTest)
            return button;
        right -= size + 1;
    }
    return CRect();
}

CRect FrameGeometry::InsideRect(CSize window) const {
    CRect inside(0, 0, window.cx, window.cy);
    inside.DeflateRect(border, border + caption, border, border);
    return inside;
}

int FrameGeometry::HitTest(CPoint point, CSize window) const {
    const CRect whole(0, 0, window.cx, window.cy);
    if (!whole.PtInRect(point))
        return HTNOWHERE;
    for (const int button : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
        if (ButtonRect(button, window).PtInRect(point))
            return button;
    }
    if (CaptionRect(window).PtInRect(point))
        return HTCAPTION;
    if (InsideRect(window).PtInRect(point))
        return static_cast<int>(HTCLIENT);
    if (!sizable)
        return HTBORDER;
    // Corners reach a caption's height along each edge, so that they are easy to take.
    const int corner = border + caption;
    const bool left = point.x < border;
    const bool right = point.x >= window.cx - border;
    const bool top = point.y < border;
    const bool bottom = point.y >= window.cy - border;
    const bool nearLeft = point.x < corner;
    const bool nearRight = point.x >= window.cx - corner;
    const bool nearTop = point.y < corner;
    const bool nearBottom = point.y >= window.cy - corner;
    if ((top && nearLeft) || (left && nearTop))
        return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop))
        return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom))
        return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom))
        return HTBOTTOMRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    if (top)
        return HTTOP;
    return HTBOTTOM;
}

CSize FrameGeometry::WindowSize(CSize inside) const {
    return CSize(inside.cx + 2 * border, inside.cy + 2 * border + caption);
}

CRect StretchRect(const CRect& start, int nHitTest, CSize delta) {
    const bool left = nHitTest == HTLEFT || nHitTest == HTTOPLEFT || nHitTest == HTBOTTOMLEFT;
    const bool right = nHitTest == HTRIGHT || nHitTest == HTTOPRIGHT || nHitTest == HTBOTTOMRIGHT;
    const bool top = nHitTest == HTTOP || nHitTest == HTTOPLEFT || nHitTest == HTTOPRIGHT;
    const bool bottom =
        nHitTest == HTBOTTOM || nHitTest == HTBOTTOMLEFT || nHitTest == HTBOTTOMRIGHT;
    CRect rect = start;
    if (left)
        rect.left = std::min<LONG>(rect.left + delta.cx, rect.right);
    if (right)
        rect.right = std::max<LONG>(rect.right + delta.cx, rect.left);
    if (top)
        rect.top = std::min<LONG>(rect.top + delta.cy, rect.bottom);
    if (bottom)
        rect.bottom = std::max<LONG>(rect.bottom + delta.cy, rect.top);
    return rect;
}
