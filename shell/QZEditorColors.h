#pragma once
// The five colours of the text editor's colouring, with their setting names.

#include "platform/core/COLORREF.h"

struct QZEditorColors {
    COLORREF vantrel = 0x000000B0;
    COLORREF html = 0x00FF0000;
    COLORREF text = 0x00000000;
    COLORREF comment = 0x00329632;
    COLORREF bracket = 0x00A0A0A0;

    // The setting names in order, each with its member.
    struct Value {
        const char* name;
        COLORREF QZEditorColors::*member;
    };
    static constexpr Value kValues[] = {{"VantrelColor", &QZEditorColors::vantrel},
                                        {"HTMLColor", &QZEditorColors::html},
                                        {"TextColor", &QZEditorColors::text},
                                        {"CommentColor", &QZEditorColors::comment},
                                        {"BracketColor", &QZEditorColors::bracket}};
};
