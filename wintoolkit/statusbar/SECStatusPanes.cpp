#include "wintoolkit/statusbar/SECStatusPanes.h"

#include <cstring>

std::vector<int> SECStatusPanes::RightEdges(const std::vector<SECStatusPane>& panes, int width,
                                            int hBorder, int gap) {
    int spare = width + gap;
    int stretchLeft = 0;
    for (const SECStatusPane& pane : panes) {
        spare -= pane.cxText + gap + kPanePadding;
        if (pane.nStyle & SBPS_STRETCH)
            ++stretchLeft;
    }
    std::vector<int> edges;
    int x = hBorder;
    for (const SECStatusPane& pane : panes) {
        int right = x + pane.cxText + kPanePadding;
        if ((pane.nStyle & SBPS_STRETCH) && spare > 0) {
            const int share = spare / stretchLeft;
            right += share;
            spare -= share;
        }
        if (pane.nStyle & SBPS_STRETCH)
            --stretchLeft;
        edges.push_back(right);
        x = right + gap;
    }
    return edges;
}

bool SECStatusPanes::TextChanges(const SECStatusPane& pane, LPCTSTR text) {
    if (pane.nFlags & SECSTATUS_TEXT_PENDING)
        return true;
    const char* newText = text ? text : "";
    return std::strcmp(newText, static_cast<LPCTSTR>(pane.strText)) != 0;
}
