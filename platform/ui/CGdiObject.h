#pragma once
// The base of the drawing objects (pens, brushes, fonts, bitmaps, regions, palettes): an object
// that is made by a Create call, can be selected into a device context, and is deleted with
// DeleteObject or with the object.

#include "platform/core/CObject.h"

class CGdiObject : public CObject {
public:
    ~CGdiObject() override = default;

    // Releases what the object holds; FALSE when it held nothing.
    virtual BOOL DeleteObject() = 0;
    // Non-null while the object holds something (a stand-in for the original's handle).
    virtual void* GetSafeHandle() const = 0;
    operator bool() const { return GetSafeHandle() != nullptr; }

protected:
    CGdiObject() = default;
};
