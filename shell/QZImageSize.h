#pragma once
// Measures an image file for the image objects made from it: its length in bytes, and its
// width and height when it is a GIF (read from the logical screen descriptor of its header) or
// a file whose name ends in ".jpg" in any case (read through the JPEG reader). Other files, and
// GIF headers cut short, are not measured: width and height stay 0 and `measured` FALSE, so
// that a caller holding sizes keeps them.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

struct QZImageSize {
    BOOL opened = FALSE; // FALSE when the file could not be opened: everything else is 0
    LONG fileSize = 0;
    LONG width = 0;
    LONG height = 0;
    // TRUE when width and height were read: a whole GIF header, or a ".jpg" file (0 by 0 when
    // the reader could not load it).
    BOOL measured = FALSE;
};

QZImageSize MeasureImageFile(const CString& path);
