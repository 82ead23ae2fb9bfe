#pragma once
// The toolbar's layout without a window: its buttons (command ids, separators), their sizes
// from the image size, the wrapping into rows for a length, and the three remembered layouts
// (floating, horizontal dock, vertical dock) with their stale flags.

#include "platform/core/CRect.h"

#include <vector>

constexpr UINT TBBS_BUTTON = 0x0000;
constexpr UINT TBBS_SEPARATOR = 0x0001;
constexpr UINT TBBS_CHECKBOX = 0x0002;
constexpr UINT TBBS_CHECKED = 0x0100;
constexpr UINT TBBS_INDETERMINATE = 0x0200;
constexpr UINT TBBS_DISABLED = 0x0400;
constexpr UINT TBBS_PRESSED = 0x0800;
constexpr UINT TBBS_WRAPPED = 0x10000;

struct SECToolButton {
    UINT nID = 0;
    UINT nStyle = 0;
    int iImage = 0;
};

struct SECToolBarLayout {
    static constexpr int kSeparatorWidth = 8;

    // 7 pixels more than the image each way: 16 by 15 images give 23 by 22 buttons.
    static CSize ButtonSizeFor(CSize image) { return CSize(image.cx + 7, image.cy + 7); }
    // Buttons from ids (0 a separator), images numbered in order of the non-separators.
    static std::vector<SECToolButton> ButtonsFrom(const UINT* ids, int count);
    // Wraps the buttons into rows no wider than `length` (a row always takes one button) and
    // places them; returns the size of the whole, without borders. Marks wrapped buttons.
    static CSize Wrap(std::vector<SECToolButton>& buttons, CSize button, int length,
                      std::vector<CRect>* rects = nullptr);
};

// Which of the three remembered layouts must be computed again.
struct SECToolBarStale {
    bool floating = false;
    bool horz = false;
    bool vert = false;
    void MarkAll() { floating = horz = vert = true; }
};
