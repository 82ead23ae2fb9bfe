#pragma once
// Measures an image file for the image objects made from it: its length in bytes, and its
// width and height when it is a GIF (read from the logical screen descriptor of its header) or
// a file ending in ".jpg" in any case (read through the JPEG reader). Other files, and GIF
// headers cut short, give width and height 0.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

struct QZImageSize {
    BOOL opened = FALSE; // FALSE when the file could not be opened: everything else is 0
    LONG fileSize = 0;
    LONG width = 0;
    LONG height = 0;
};

QZImageSize MeasureImageFile(const CString& path);
