#pragma once
// The tab control's geometry without a window: its scroll buttons at the left, the tab area,
// each tab's trapezoid (neighbours overlapping by 5 pixels), hit tests, the clamp of the scroll
// offset with the buttons' enabled states, scrolling a tab into view and the auto-repeat steps.

#include "platform/core/CRect.h"

#include <array>
#include <vector>

// Scroll buttons, as bits of the button mask.
constexpr UINT SECTAB_BTN_FIRST = 1;
constexpr UINT SECTAB_BTN_PREV = 2;
constexpr UINT SECTAB_BTN_NEXT = 4;
constexpr UINT SECTAB_BTN_LAST = 8;

struct SECTabControlGeometry {
    static constexpr int kOverlap = 5;
    static constexpr int kScrollStep = 10;

    CRect client;
    UINT buttonMask = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int offset = 0;
    std::vector<int> widths;

    // The rectangle of a present button (empty when absent).
    CRect ButtonRect(UINT button) const;
    // The sum of the present buttons' widths.
    int ButtonsWidth() const;
    CRect TabArea() const;
    // From the client's left edge to 1 + the buttons' width.
    CRect ButtonArea() const;
    int TabLeft(int index) const;
    std::array<CPoint, 4> TabPolygon(int index) const;
    CRect TabBox(int index) const;
    // The tab whose trapezoid holds the point (the first in index order), or -1.
    int HitTab(CPoint point) const;
    // The present button under the point, or 0.
    UINT HitButton(CPoint point) const;
    // The offset a button's action asks for (before the clamp).
    int ButtonOffset(UINT button) const;
    // The offset that brings a tab into view (before the clamp).
    int ScrollToTabOffset(int index) const;
};

// The result of clamping the offset: the new offset and disabled bits, and the buttons whose
// state changed (to be redrawn).
struct SECTabClamp {
    int offset;
    UINT disabled;
    UINT changed;
    // No tabs: every button disabled and the whole button area redrawn.
    bool allDisabled;
};

SECTabClamp ClampTabOffset(const SECTabControlGeometry& geometry, UINT disabled);

// The steps of a held scroll button: the first repeat 300 ms after the press, then every 20 ms.
class SECTabAutoRepeat {
public:
    static constexpr int kFirstDelay = 300;
    static constexpr int kRepeatDelay = 20;

    explicit SECTabAutoRepeat(long startMs) : m_last(startMs) {}
    // TRUE when another step is due at `nowMs` (more than the delay since the last step).
    bool Due(long nowMs);
    int Steps() const { return m_steps; }

private:
    long m_last;
    int m_steps = 0;
};
