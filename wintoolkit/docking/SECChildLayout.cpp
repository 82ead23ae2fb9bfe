#include "wintoolkit/docking/SECChildLayout.h"

#include <cstdint>

void SECChildLayout::Take(const CRect& reference, const std::vector<Record>& children) {
    m_records.clear();
    m_records.push_back({nullptr, reference});
    m_records.insert(m_records.end(), children.begin(), children.end());
}

std::vector<SECChildLayout::Record> SECChildLayout::Scale(int cx, int cy, CPoint offset) const {
    std::vector<Record> scaled;
    if (m_records.empty())
        return scaled;
    const int w = m_records.front().rect.Width();
    const int h = m_records.front().rect.Height();
    if (w == 0 || h == 0)
        return scaled;
    auto along = [](int value, int size, int reference) {
        return static_cast<int>(static_cast<int64_t>(value) * size / reference);
    };
    for (size_t i = 1; i < m_records.size(); ++i) {
        const CRect& r = m_records[i].rect;
        CRect rect(along(r.left, cx, w), along(r.top, cy, h), along(r.right, cx, w),
                   along(r.bottom, cy, h));
        rect.OffsetRect(offset);
        scaled.push_back({m_records[i].child, rect});
    }
    return scaled;
}
