#include "shell/WindowPlacementText.h"

#include <cstdio>

namespace {
constexpr const char* kFormat = "%u,%u,(%d,%d),(%d,%d,%d,%d)";
} // namespace

BOOL ParseWindowPlacement(const CString& text, WINDOWPLACEMENT* placement) {
    unsigned flags = 0, show = 0;
    int x = 0, y = 0, left = 0, top = 0, right = 0, bottom = 0;
    if (std::sscanf(text, kFormat, &flags, &show, &x, &y, &left, &top, &right, &bottom) != 8)
        return FALSE;
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->flags = flags;
    placement->showCmd = show;
    placement->ptMinPosition = {x, y};
    placement->rcNormalPosition = {left, top, right, bottom};
    return TRUE;
}

CString FormatWindowPlacement(const WINDOWPLACEMENT& p) {
    char text[101];
    std::snprintf(
        text, sizeof text, kFormat, p.flags, p.showCmd, static_cast<int>(p.ptMinPosition.x),
        static_cast<int>(p.ptMinPosition.y), static_cast<int>(p.rcNormalPosition.left),
        static_cast<int>(p.rcNormalPosition.top), static_cast<int>(p.rcNormalPosition.right),
        static_cast<int>(p.rcNormalPosition.bottom));
    return CString(text);
}
