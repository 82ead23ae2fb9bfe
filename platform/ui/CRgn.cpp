#include "platform/ui/CRgn.h"

#include <algorithm>

BOOL CRgn::Make(std::vector<POINT> points, int mode, bool rectangle) {
    if (m_created)
        return FALSE;
    m_points = std::move(points);
    m_mode = mode;
    m_rectangle = rectangle;
    m_created = true;
    return TRUE;
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
    CRect rect(x1, y1, x2, y2);
    rect.NormalizeRect();
    return Make({{rect.left, rect.top},
                 {rect.right, rect.top},
                 {rect.right, rect.bottom},
                 {rect.left, rect.bottom}},
                ALTERNATE, true);
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) {
    return lpRect && CreateRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
    if (!lpPoints || nCount < 3)
        return FALSE;
    return Make(std::vector<POINT>(lpPoints, lpPoints + nCount), nMode, false);
}

BOOL CRgn::DeleteObject() {
    const bool had = m_created;
    m_created = false;
    m_points.clear();
    return had;
}

void* CRgn::GetSafeHandle() const {
    return m_created ? const_cast<CRgn*>(this) : nullptr;
}

BOOL CRgn::PtInRegion(int x, int y) const {
    if (!m_created)
        return FALSE;
    if (m_rectangle)
        return CRect(m_points[0].x, m_points[0].y, m_points[2].x, m_points[2].y)
            .PtInRect(CPoint(x, y));
    // The pixel's centre against each edge: crossings for the alternate mode, the winding
    // number for the winding mode (coordinates doubled to stay in integers).
    const long px = 2L * x + 1, py = 2L * y + 1;
    int crossings = 0, winding = 0;
    for (size_t i = 0; i < m_points.size(); ++i) {
        const POINT& a = m_points[i];
        const POINT& b = m_points[(i + 1) % m_points.size()];
        const long ax = 2L * a.x, ay = 2L * a.y, bx = 2L * b.x, by = 2L * b.y;
        if ((ay <= py) == (by <= py))
            continue;
        const long cross = (bx - ax) * (py - ay) - (px - ax) * (by - ay);
        const bool upward = by > ay;
        if ((upward && cross > 0) || (!upward && cross < 0)) {
            ++crossings;
            winding += upward ? 1 : -1;
        }
    }
    return m_mode == WINDING ? winding != 0 : (crossings % 2) == 1;
}

int CRgn::GetRgnBox(LPRECT lpRect) const {
    if (!m_created || !lpRect)
        return RGN_ERROR;
    CRect box(m_points[0].x, m_points[0].y, m_points[0].x, m_points[0].y);
    for (const POINT& p : m_points) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    *lpRect = box;
    if (box.IsRectEmpty())
        return NULLREGION;
    return m_rectangle ? SIMPLEREGION : COMPLEXREGION;
}

int CRgn::OffsetRgn(int x, int y) {
    if (!m_created)
        return RGN_ERROR;
    for (POINT& p : m_points) {
        p.x += x;
        p.y += y;
    }
    CRect box;
    return GetRgnBox(&box);
}
