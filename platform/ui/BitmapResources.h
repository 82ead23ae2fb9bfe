#pragma once
// The program's bitmap resources: device-independent bitmaps (a BITMAPINFOHEADER, its colour
// table and the pixel rows, as a bitmap resource holds them) by name or number. The resource
// folder registers them at start-up; CBitmap::LoadBitmap finds them here.

#include "platform/core/Types.h"

#include <cstddef>

// Keeps the bitmap `dib` (not copied: it must outlive its use) under the name, which may be a
// number made with MAKEINTRESOURCE.
void RegisterBitmapResource(LPCTSTR name, const BYTE* dib, size_t size);
// The bitmap of that name or number; nullptr when there is none.
const BYTE* FindBitmapResource(LPCTSTR name, size_t* size);
