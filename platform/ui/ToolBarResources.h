#pragma once
// The program's toolbar resources (resource type 241): the image size of the toolbar's bitmap
// and its buttons' command ids in order, 0 for a separator. The bitmap of the same id holds the
// images side by side.

#include "platform/core/Types.h"

constexpr WORD RT_TOOLBAR = 241;

struct ToolBarResource {
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    const WORD* items;
};

struct ToolBarResources {
    // Keeps the resource (not copied: it must outlive its use) under `id`.
    static void Register(UINT id, const ToolBarResource* resource);
    // The resource of `id`, or nullptr.
    static const ToolBarResource* Lookup(UINT id);
};
