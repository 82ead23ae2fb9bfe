#pragma once
// A strip of equal images cut from a bitmap resource, with a mask colour (private to the ui
// layer).

#include "platform/core/COLORREF.h"

#include <wx/imaglist.h>

// A new image list of the resource's images `cx` pixels wide; empty when the resource is
// missing.
wxImageList* MakeImageStrip(UINT bitmapId, int cx, COLORREF mask);
