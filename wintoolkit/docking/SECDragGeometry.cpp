#include "wintoolkit/docking/SECDragGeometry.h"

#include "platform/ui/BarStyles.h"
#include "platform/ui/FrameGeometry.h"
#include "platform/ui/WindowMessages.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kDeadZone = 5;
constexpr CSize kFloatStep(20, 23);
constexpr int kFloatMargin = 30;

} // namespace

void SECDragGeometry::MoveToHold(CRect& rect, CPoint point, CSize border) {
    int dx = 0;
    int dy = 0;
    if (point.x < rect.left)
        dx = point.x - rect.left;
    else if (point.x >= rect.right)
        dx = point.x - rect.right + 1 + border.cx;
    if (point.y < rect.top)
        dy = point.y - rect.top;
    else if (point.y >= rect.bottom)
        dy = point.y - rect.bottom + 1 + border.cy;
    rect.OffsetRect(dx, dy);
}

int SECDragGeometry::Distance(CPoint from, CPoint to) {
    return std::abs(to.x - from.x) + std::abs(to.y - from.y);
}

bool SECDragGeometry::InDeadZone(bool bFloating, CPoint start, CPoint now) {
    return bFloating && Distance(start, now) < kDeadZone;
}

bool SECDragGeometry::Touches(const CRect& dockBar, const CRect& rect) {
    CRect bar = dockBar;
    if (bar.Width() == 0)
        ++bar.right;
    if (bar.Height() == 0)
        ++bar.bottom;
    CRect overlap;
    return overlap.IntersectRect(&bar, &rect) != FALSE;
}

int SECDragGeometry::CanDock(const std::vector<Candidate>& candidates, DWORD dwDockStyle,
                             const CRect& rectHorz, const CRect& rectVert, CPoint point, bool bHorz,
                             bool bFlip) {
    auto find = [&](bool horz, const CRect& rect) {
        for (size_t i = 0; i < candidates.size(); ++i) {
            const Candidate& c = candidates[i];
            const DWORD orient = horz ? CBRS_ORIENT_HORZ : CBRS_ORIENT_VERT;
            if (!(c.side & orient) || !(c.side & dwDockStyle))
                continue;
            if (!Touches(c.rect, rect))
                continue;
            CRect window = c.rect;
            window.right += window.Width() == 0;
            window.bottom += window.Height() == 0;
            if (!horz && !window.PtInRect(point))
                continue;
            return static_cast<int>(i);
        }
        return -1;
    };
    const bool horzFirst = bHorz != bFlip;
    int found = horzFirst ? find(true, rectHorz) : find(false, rectVert);
    if (bFlip || found >= 0)
        return found;
    for (const bool horz : {true, false}) {
        const int a = find(horz, rectHorz);
        const int b = find(horz, rectVert);
        if (a >= 0 && a == b)
            return a;
    }
    return -1;
}

DWORD SECDragGeometry::FloatAlignment(DWORD dwBarStyle, bool bFlip) {
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        return CBRS_ALIGN_TOP;
    const bool vert = (dwBarStyle & CBRS_ORIENT_VERT) != 0;
    const bool horz = (dwBarStyle & CBRS_ORIENT_HORZ) != 0;
    return ((vert && !bFlip) || (horz && bFlip)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
}

bool SECDragGeometry::MovesLeft(int nHitTest) {
    return nHitTest == HTLEFT || nHitTest == HTTOPLEFT || nHitTest == HTBOTTOMLEFT;
}

bool SECDragGeometry::MovesRight(int nHitTest) {
    return nHitTest == HTRIGHT || nHitTest == HTTOPRIGHT || nHitTest == HTBOTTOMRIGHT;
}

bool SECDragGeometry::MovesTop(int nHitTest) {
    return nHitTest == HTTOP || nHitTest == HTTOPLEFT || nHitTest == HTTOPRIGHT;
}

bool SECDragGeometry::MovesBottom(int nHitTest) {
    return nHitTest == HTBOTTOM || nHitTest == HTBOTTOMLEFT || nHitTest == HTBOTTOMRIGHT;
}

CRect SECDragGeometry::Stretch(const CRect& start, int nHitTest, CSize delta) {
    return StretchRect(start, nHitTest, delta);
}

CPoint SECDragGeometry::NextFloatPosition(CPoint& next, CSize client) {
    const CPoint position = next;
    next.Offset(kFloatStep);
    if (next.x > client.cx - kFloatMargin)
        next.x = kFloatMargin;
    if (next.y > client.cy - kFloatMargin)
        next.y = kFloatMargin;
    return position;
}

CPoint SECDragGeometry::ClampToClient(CPoint point, CSize client) {
    return CPoint(std::clamp<LONG>(point.x, 0, std::max<LONG>(client.cx, 0)),
                  std::clamp<LONG>(point.y, 0, std::max<LONG>(client.cy, 0)));
}
