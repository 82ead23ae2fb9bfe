#pragma once
// The proportional layout of a bar's child windows: their rectangles taken at a reference size
// of the bar, and scaled to a new size of it.

#include "platform/core/CRect.h"

#include <vector>

class SECChildLayout {
public:
    struct Record {
        void* child; // the child window (null in the reference record)
        CRect rect;
    };

    // Starts over with the reference (client) rectangle and each child's rectangle, in child
    // list order.
    void Take(const CRect& reference, const std::vector<Record>& children);
    // Each child's rectangle for a new client size: every edge scaled by the new size over the
    // reference size (integer division, product first), moved by `offset`. Nothing while the
    // reference rectangle has no width or no height: there is nothing to scale from.
    std::vector<Record> Scale(int cx, int cy, CPoint offset) const;
    BOOL IsEmpty() const { return m_records.empty(); }
    const std::vector<Record>& Records() const { return m_records; }

private:
    std::vector<Record> m_records;
};
