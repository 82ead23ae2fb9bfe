#include "editors/QZAdSpaceRows.h"

#include <cctype>
#include <cstdlib>

int QZAdSpaceRows::PercentOfText(const CString& text) {
    const char* start = text.str().c_str();
    char* end = nullptr;
    const long value = std::strtol(start, &end, 10);
    if (end == start)
        return 0;
    while (*end != '\0' && std::isspace(static_cast<unsigned char>(*end)))
        ++end;
    if (*end != '\0' || value < -100000 || value > 100000)
        return 0;
    return static_cast<int>(value);
}

bool QZAdSpaceRows::HasAd(const QZKeyCombo& key) {
    return !(key == QZKeyCombo(0, 0)) && !(key == QZKeyCombo(-1, -1));
}

bool QZAdSpaceRows::CloseGaps(Rows& rows) {
    bool moved = false;
    for (int r = 0; r < kRows; ++r) {
        if (HasAd(rows[r].ad))
            continue;
        int next = r + 1;
        while (next < kRows && !HasAd(rows[next].ad))
            ++next;
        if (next == kRows)
            break;
        rows[r] = rows[next];
        rows[next] = Row{};
        moved = true;
    }
    return moved;
}
