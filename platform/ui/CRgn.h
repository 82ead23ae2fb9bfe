#pragma once
// A region: a rectangle or a polygon, which can be hit-tested, moved and filled.

#include "platform/core/CRect.h"
#include "platform/ui/CGdiObject.h"

#include <vector>

// Polygon fill modes.
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// GetRgnBox results.
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
constexpr int RGN_ERROR = 0;

class CRgn : public CGdiObject {
public:
    CRgn() = default;

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    // A polygon of nCount points (closed by the region itself), filled by the mode.
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
    BOOL DeleteObject() override;
    void* GetSafeHandle() const override;

    // Whether the pixel (x, y) lies in the region: its centre is inside the rectangle or the
    // polygon.
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    // The bounding box; the kind of region, or RGN_ERROR when none was made.
    int GetRgnBox(LPRECT lpRect) const;
    int OffsetRgn(int x, int y);
    int OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }

    // The polygon (four corners for a rectangle region) and its fill mode, for drawing.
    const std::vector<POINT>& GetPoints() const { return m_points; }
    int GetFillMode() const { return m_mode; }
    bool IsRectangle() const { return m_rectangle; }

private:
    BOOL Make(std::vector<POINT> points, int mode, bool rectangle);

    std::vector<POINT> m_points;
    int m_mode = ALTERNATE;
    bool m_rectangle = false;
    bool m_created = false;
};
