#include "wintoolkit/toolbar/SECToolBarLayout.h"

#include <algorithm>

std::vector<SECToolButton> SECToolBarLayout::ButtonsFrom(const UINT* ids, int count) {
    std::vector<SECToolButton> buttons;
    int image = 0;
    for (int i = 0; i < count; ++i) {
        SECToolButton button;
        button.nID = ids ? ids[i] : 0;
        if (button.nID == 0) {
            button.nStyle = TBBS_SEPARATOR;
            button.iImage = kSeparatorWidth;
        } else {
            button.iImage = image++;
        }
        buttons.push_back(button);
    }
    return buttons;
}

CSize SECToolBarLayout::Wrap(std::vector<SECToolButton>& buttons, CSize button, int length,
                             std::vector<CRect>* rects) {
    int x = 0, y = 0, widest = 0;
    int lastPlaced = -1;
    if (rects)
        rects->clear();
    for (size_t i = 0; i < buttons.size(); ++i) {
        SECToolButton& b = buttons[i];
        b.nStyle &= ~TBBS_WRAPPED;
        const bool separator = (b.nStyle & TBBS_SEPARATOR) != 0;
        const int width = separator ? kSeparatorWidth : button.cx;
        const bool rowEmpty = x == 0;
        if (!rowEmpty && x + width > length) {
            // A new row; a separator at the break takes no room.
            buttons[lastPlaced].nStyle |= TBBS_WRAPPED;
            y += button.cy;
            x = 0;
            if (separator) {
                if (rects)
                    rects->push_back(CRect());
                continue;
            }
        }
        if (rects)
            rects->push_back(CRect(x, y, x + width, y + button.cy));
        x += width;
        widest = std::max(widest, x);
        lastPlaced = static_cast<int>(i);
    }
    return CSize(widest, buttons.empty() ? 0 : y + button.cy);
}
