#pragma once
// Loading a bitmap resource with its button colours replaced by the desktop's: black becomes
// the button text colour, dark grey the shadow, light grey the face and white the highlight.

#include "platform/core/Types.h"
#include "platform/ui/WinTypes.h"

class CBitmap;

// FALSE when there is no such resource or it cannot be read.
BOOL AfxLoadSysColorBitmap(CBitmap& bitmap, LPCTSTR lpszResourceName);
