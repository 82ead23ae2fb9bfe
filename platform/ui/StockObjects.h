#pragma once
// The stock pens, brushes, fonts and palette, by the original's numbers; they belong to the
// layer and are never deleted by the caller.

#include "platform/ui/CGdiObject.h"

constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_PALETTE = 15;
constexpr int DEFAULT_GUI_FONT = 17;

// The stock object, or nullptr for a number that has none. There is no system palette here:
// the default palette has no entries. The fonts need the window system.
CGdiObject* GetStockObject(int nIndex);
