#pragma once
// The tab window's rectangles without a window: the inside area its active client covers, the
// tab strip along the bottom, the shared scroll bars and the splitter between the strip and the
// horizontal bar, the strip width on a size, and the default ids of clients.

#include "platform/core/CRect.h"

constexpr UINT SECTABWND_ID_TABCTRL = 59952;
constexpr UINT SECTABWND_ID_HSCROLL = 60416;
constexpr UINT SECTABWND_ID_VSCROLL = 60671;
constexpr UINT SECTABWND_ID_FIRSTCLIENT = 60160;

struct SECTabWndLayout {
    static constexpr int kBarReserve = 60;

    CRect client;
    int stripWidth = 0;
    int stripHeight = 0;
    int vbarWidth = 0;
    int hbarHeight = 0;
    int splitterWidth = 5;
    bool usesHorz = false;
    bool usesVert = false;

    CRect Inside() const;
    CRect Splitter() const;
    // Applies the strip width limit when the horizontal bar is in use (inside right - 60).
    void LimitStripWidth();
    CRect TabCtrl() const;
    // Empty when the bar is not in use.
    CRect HorzBar() const;
    CRect VertBar() const;
    // The strip width after a size of cx: from scratch on the first size, else reduced.
    void Size(int cx, bool first);

    // A client made without an explicit id: 60160 + the number of tabs then.
    static UINT DefaultClientId(int tabCount) { return SECTABWND_ID_FIRSTCLIENT + tabCount; }
};
