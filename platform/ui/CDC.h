#pragma once
// A device context: the surface that window code draws on. Over wx in this layer; the drawing
// operations come with the ui step.

#include "platform/core/CObject.h"

// GetDeviceCaps indexes, with the original's numbers.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

class CDC : public CObject {
public:
    CDC() = default;

    // What the device offers; the screen's values without a window system are those of a
    // 24-bit display of 96 dots an inch.
    int GetDeviceCaps(int nIndex) const;
};
