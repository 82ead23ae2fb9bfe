#pragma once
// The tabs of the sixteen editor frames: for each frame class, its tabs in order, each a
// caption (a fixed text, or a string-table entry with its text) and the class of its view.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

struct QZEditorTab {
    // A string-table entry for the caption, 0 for the fixed text.
    UINT captionId;
    const char* caption;
    const char* viewClass;

    // The caption as shown: the string-table entry when there is one.
    CString Caption() const;
};

struct QZEditorFrameTabs {
    const char* frameClass;
    std::vector<QZEditorTab> tabs;
};

const std::vector<QZEditorFrameTabs>& QZEditorTabs();
// The tabs of a frame class, or null.
const QZEditorFrameTabs* QZEditorTabsOf(const char* frameClass);
