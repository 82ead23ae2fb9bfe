#pragma once
// What the drawing objects hold of the window system (private to the ui layer).

#include "platform/ui/CBitmap.h"
#include "platform/ui/CFont.h"

#include <wx/bitmap.h>
#include <wx/font.h>

struct CFont::Data {
    wxFont font;
};

struct CBitmap::Data {
    wxBitmap bitmap;
    bool monochrome = false;
    // The memory device context it is selected into, if any.
    CDC* selectedInto = nullptr;
};
