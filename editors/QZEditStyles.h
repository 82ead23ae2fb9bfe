#pragma once
// The five styles of coloured template text and how colour spans turn into runs of them: plain
// text, commands, tags and comments each in their own style, and the "<<" and ">>" inside a
// command in the bracket style. Each style shows one of the editor colour settings.

#include "template/parser/QZVantrelMemoFld.h"

#include <vector>

enum QZEditStyle : int {
    STYLE_TEXT = 0,    // "TextColor"
    STYLE_COMMAND = 1, // "VantrelColor"
    STYLE_TAG = 2,     // "HTMLColor"
    STYLE_COMMENT = 3, // "CommentColor"
    STYLE_BRACKET = 4, // "BracketColor"
};

// A run of bytes in one style, from a position of the styled text.
struct QZStyleRun {
    LONG start;
    LONG length;
    int style;

    bool operator==(const QZStyleRun& other) const {
        return start == other.start && length == other.length && style == other.style;
    }
};

// The runs of the spans laid one after another from `start`; a span of an unknown kind keeps
// the plain style, so no byte is left out.
std::vector<QZStyleRun> StyleRunsOfSpans(const QZVantrelMemoFld::ColorSpanList& spans,
                                         LONG start = 0);
