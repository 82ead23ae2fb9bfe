#pragma once
// The status bar's panes without a window: one record a pane, their right edges (stretch panes
// sharing the spare width), the room the size grip takes, and which texts are still to be sent.

#include "platform/core/CString.h"

#include <vector>

constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_POPOUT = 0x0200;
constexpr UINT SBPS_OWNERDRAW = 0x1000;
constexpr UINT SBPS_DISABLED = 0x04000000;
constexpr UINT SBPS_STRETCH = 0x08000000;

// Bit of a pane's flags: its text must still be sent to the control.
constexpr UINT SECSTATUS_TEXT_PENDING = 0x0001;

struct SECStatusPane {
    UINT nID = 0;
    int cxText = 0;
    UINT nStyle = 0;
    UINT nFlags = 0;
    CString strText;
};

struct SECStatusPanes {
    static constexpr int kPanePadding = 6;

    // The right edges of the panes across `width` (the inside width), starting at the
    // horizontal border, with `gap` between parts.
    static std::vector<int> RightEdges(const std::vector<SECStatusPane>& panes, int width,
                                       int hBorder, int gap);
    // The room the size grip takes at the right.
    static int SizeGripWidth(int cxBorder, int cxVScroll, int hBorder) {
        return 2 * cxBorder + cxVScroll + hBorder;
    }
    // Whether a new text changes anything: a pending text always does, else only a different
    // one (null and empty are the same).
    static bool TextChanges(const SECStatusPane& pane, LPCTSTR text);
};
