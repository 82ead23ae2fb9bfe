#include "wintoolkit/tabs/SECTabControlGeometry.h"

#include "wintoolkit/workbook/SECWorkbookGeometry.h"

CRect SECTabControlGeometry::ButtonRect(UINT button) const {
    if (!(buttonMask & button))
        return CRect();
    int left = client.left;
    for (UINT bit = 1; bit < button; bit <<= 1) {
        if (buttonMask & bit)
            left += buttonWidth;
    }
    return CRect(left, 0, left + buttonWidth, buttonHeight);
}

int SECTabControlGeometry::ButtonsWidth() const {
    int width = 0;
    for (UINT bit = 1; bit <= SECTAB_BTN_LAST; bit <<= 1) {
        if (buttonMask & bit)
            width += buttonWidth;
    }
    return width;
}

CRect SECTabControlGeometry::TabArea() const {
    return CRect(client.left + ButtonsWidth(), client.top, client.right, client.bottom);
}

CRect SECTabControlGeometry::ButtonArea() const {
    return CRect(client.left, client.top, 1 + ButtonsWidth(), client.bottom);
}

int SECTabControlGeometry::TabLeft(int index) const {
    int x = TabArea().left + offset;
    for (int i = 0; i < index; ++i)
        x += widths[i] - kOverlap;
    return x;
}

std::array<CPoint, 4> SECTabControlGeometry::TabPolygon(int index) const {
    const CRect area = TabArea();
    const int x0 = TabLeft(index);
    const int width = widths[index];
    return {CPoint(x0, area.top), CPoint(x0 + 6, area.bottom), CPoint(x0 + width - 6, area.bottom),
            CPoint(x0 + width, area.top)};
}

CRect SECTabControlGeometry::TabBox(int index) const {
    const CRect area = TabArea();
    const int x0 = TabLeft(index);
    return CRect(x0, area.top, x0 + widths[index], area.bottom);
}

int SECTabControlGeometry::HitTab(CPoint point) const {
    for (int i = 0; i < static_cast<int>(widths.size()); ++i) {
        const auto polygon = TabPolygon(i);
        if (SECWorkbookGeometry::PolygonHolds(polygon.data(), 4, point))
            return i;
    }
    return -1;
}

UINT SECTabControlGeometry::HitButton(CPoint point) const {
    for (UINT bit = 1; bit <= SECTAB_BTN_LAST; bit <<= 1) {
        if ((buttonMask & bit) && ButtonRect(bit).PtInRect(point))
            return bit;
    }
    return 0;
}

int SECTabControlGeometry::ButtonOffset(UINT button) const {
    switch (button) {
    case SECTAB_BTN_FIRST:
        return 0;
    case SECTAB_BTN_PREV:
        return offset + kScrollStep;
    case SECTAB_BTN_NEXT:
        return offset - kScrollStep;
    case SECTAB_BTN_LAST:
        return widths.empty()
                   ? offset
                   : offset + TabArea().right - TabBox(static_cast<int>(widths.size()) - 1).right;
    default:
        return offset;
    }
}

int SECTabControlGeometry::ScrollToTabOffset(int index) const {
    const CRect area = TabArea();
    const int margin = widths[index] + 20 < area.Width() ? 20 : 0;
    SECTabControlGeometry moved = *this;
    if (moved.TabBox(index).right > area.right)
        moved.offset += area.right - margin - moved.TabBox(index).right;
    if (moved.TabBox(index).left < area.left)
        moved.offset += margin - moved.TabBox(index).left + area.left;
    return moved.offset;
}

SECTabClamp ClampTabOffset(const SECTabControlGeometry& geometry, UINT disabled) {
    const UINT mask = geometry.buttonMask;
    if (geometry.widths.empty())
        return {geometry.offset,
                SECTAB_BTN_FIRST | SECTAB_BTN_PREV | SECTAB_BTN_NEXT | SECTAB_BTN_LAST, 0, true};
    SECTabClamp result{geometry.offset, disabled, 0, false};
    const int lastRight = geometry.TabBox(static_cast<int>(geometry.widths.size()) - 1).right;
    int lowest = geometry.client.right - (lastRight - geometry.offset);
    const UINT front = SECTAB_BTN_FIRST | SECTAB_BTN_PREV;
    const UINT back = SECTAB_BTN_NEXT | SECTAB_BTN_LAST;
    if (result.offset >= 0) {
        result.offset = 0;
        if (!(result.disabled & SECTAB_BTN_PREV)) {
            result.disabled |= front;
            result.changed |= front & mask;
        }
    } else if (result.disabled & SECTAB_BTN_PREV) {
        result.disabled &= ~front;
        result.changed |= front & mask;
    }
    if (result.offset <= lowest) {
        result.offset = lowest > 0 ? 0 : lowest;
        if (!(result.disabled & SECTAB_BTN_NEXT)) {
            result.disabled |= back;
            result.changed |= back & mask;
        }
    } else if (result.disabled & SECTAB_BTN_NEXT) {
        result.disabled &= ~back;
        result.changed |= back & mask;
    }
    return result;
}

bool SECTabAutoRepeat::Due(long nowMs) {
    const int delay = m_steps == 0 ? kFirstDelay : kRepeatDelay;
    if (nowMs - m_last <= delay)
        return false;
    m_last = nowMs;
    ++m_steps;
    return true;
}
