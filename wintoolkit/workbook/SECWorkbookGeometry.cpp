#include "wintoolkit/workbook/SECWorkbookGeometry.h"

#include <algorithm>

int SECWorkbookGeometry::CalcTabWidth(int clientWidth, int sheetCount, int current) {
    if (sheetCount <= 0)
        return current;
    return std::min((clientWidth + 5) / sheetCount, kMaxTabWidth);
}

std::array<CPoint, 7> SECWorkbookGeometry::TabPolygon(const CRect& client, int index, int width,
                                                      bool raised, int height, int bevel) {
    const int r = raised ? 1 : 0;
    std::array<CPoint, 7> p;
    p[0] = CPoint(client.left + index * width - 2 * r, client.bottom + 4);
    p[1] = CPoint(p[0].x, p[0].y + height - bevel + 2 * r);
    p[2] = CPoint(p[0].x + bevel, p[1].y + bevel);
    p[3] = CPoint(p[2].x + width - 2 * bevel + 4 * r, p[2].y);
    p[4] = CPoint(p[3].x + bevel, p[3].y - bevel);
    p[5] = CPoint(p[4].x, p[0].y);
    p[6] = p[0];
    return p;
}

CRect SECWorkbookGeometry::TabInvalidRect(const CRect& client, int index, int width, int frameRight,
                                          bool toRightEdge, int height) {
    const int left = client.left + index * width - 2;
    const int top = client.bottom + 4;
    return CRect(left, top, toRightEdge ? frameRight : left + width + 4, top + height + 4);
}

CRect SECWorkbookGeometry::TabStripRect(const CRect& client, int frameWidth, int height) {
    return CRect(0, client.bottom + 4, frameWidth, client.bottom + 8 + height);
}

bool SECWorkbookGeometry::PolygonHolds(const CPoint* points, int count, CPoint point) {
    // Pixel centres, as a region's scan conversion tests them.
    const double px = point.x + 0.5;
    const double py = point.y + 0.5;
    bool inside = false;
    for (int i = 0, j = count - 1; i < count; j = i++) {
        const double xi = points[i].x, yi = points[i].y;
        const double xj = points[j].x, yj = points[j].y;
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

CString SECWorkbookGeometry::ShortenLabel(const CString& label, int width,
                                          const std::function<int(const CString&)>& measure) {
    CString text = label;
    while (text.GetLength() >= 4 && measure(text) > width)
        text = text.Left(text.GetLength() - 4) + "...";
    return text;
}
