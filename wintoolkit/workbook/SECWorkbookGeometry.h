#pragma once
// The workbook's tab geometry without a window: tab widths, the seven-point outline of a sheet's
// tab, the rectangles a change repaints, hit tests and the shortening of labels that do not fit.
// Coordinates are the frame's client coordinates; `client` is the MDI client's rectangle there.

#include "platform/core/CRect.h"
#include "platform/core/CString.h"

#include <array>
#include <functional>

struct SECWorkbookGeometry {
    static constexpr int kMaxTabWidth = 80;
    static constexpr int kTabHeight = 23;
    static constexpr int kBevel = 5;

    // (client width + 5) / sheets, at most 80; 0 sheets keep `current`.
    static int CalcTabWidth(int clientWidth, int sheetCount, int current);
    // The outline of tab `index`; a raised tab reaches 2 pixels further on each side and below.
    static std::array<CPoint, 7> TabPolygon(const CRect& client, int index, int width, bool raised,
                                            int height = kTabHeight, int bevel = kBevel);
    // The rectangle one tab repaints (to the frame's right edge when asked).
    static CRect TabInvalidRect(const CRect& client, int index, int width, int frameRight,
                                bool toRightEdge, int height = kTabHeight);
    // The band under the client that holds the tabs, the frame's full width.
    static CRect TabStripRect(const CRect& client, int frameWidth, int height = kTabHeight);
    // Inside a polygon by the alternate (even-odd) rule, as a polygon region holds points.
    static bool PolygonHolds(const CPoint* points, int count, CPoint point);
    // The label cut until it fits `width`: while at least 4 characters long and too wide, its
    // last 4 characters become "...".
    static CString ShortenLabel(const CString& label, int width,
                                const std::function<int(const CString&)>& measure);
};
