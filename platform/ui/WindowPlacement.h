#pragma once
// A top-level window's placement: how it shows (normal, maximised, minimised), where it goes
// when minimised and its rectangle when restored, in screen coordinates.

#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/Types.h"

constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;

struct WINDOWPLACEMENT {
    UINT length = sizeof(WINDOWPLACEMENT);
    UINT flags = 0;
    UINT showCmd = 1;
    POINT ptMinPosition{0, 0};
    POINT ptMaxPosition{0, 0};
    RECT rcNormalPosition{0, 0, 0, 0};
};
