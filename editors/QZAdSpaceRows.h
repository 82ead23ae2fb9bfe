#pragma once
// The ten rows of an ad space form as values: the ad each row shows and its percent. It reads
// the typed percents for the running total and closes the gaps that rows set to "None" leave
// before a save. Kept apart from the window so that the rules can be checked without one.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"

#include <array>

class QZAdSpaceRows {
public:
    static constexpr int kRows = 10;
    struct Row {
        QZKeyCombo ad{0, 0};
        int percent = 0;
    };
    using Rows = std::array<Row, kRows>;

    // A typed percent as the total counts it: a whole number (blanks around it allowed), else
    // 0, so that half-typed text never stops the total.
    static int PercentOfText(const CString& text);
    // Whether a row's key names an ad ("None" is 0:0, no entry at all -1:-1).
    static bool HasAd(const QZKeyCombo& key);
    // Moves the rows with an ad up over the empty ones, keeping their order; the rows left at
    // the end get no ad and 0. TRUE when a row moved.
    static bool CloseGaps(Rows& rows);
};
