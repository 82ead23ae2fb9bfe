#pragma once
// A dialog resource as data: the dialog's frame and its controls, positions and sizes in dialog
// units. The resource folder holds the tables; the ui layer builds windows from them.

#include "platform/core/Types.h"

// One control of a dialog template. `windowClass` names the kind of control ("Static",
// "msctls_progress32", ...), as the original templates do.
struct DialogItemTemplate {
    UINT id;
    const char* windowClass;
    const char* text;
    DWORD style;
    short x;
    short y;
    short cx;
    short cy;
};

// A dialog template: its id, style, caption, font and size, and its controls in tab order.
struct DialogTemplate {
    UINT id;
    DWORD style;
    const char* caption;
    const char* fontName;
    WORD pointSize;
    short x;
    short y;
    short cx;
    short cy;
    const DialogItemTemplate* items;
    int itemCount;
};
