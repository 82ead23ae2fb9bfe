#pragma once
// What the text editor's logic needs of the text it edits: the selection, reading and replacing
// a range, the lines and the styles of ranges. Positions are byte offsets into the text; a line
// ends at "\r\n", "\n" or "\r", and a line's length leaves its break out. An in-memory buffer
// runs the logic without a display; an adapter over the editing control runs it in a window.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZTextBuffer {
public:
    virtual ~QZTextBuffer() = default;

    virtual LONG GetLength() const = 0;
    // The selection, start not after end; a caret is an empty selection.
    virtual void GetSel(LONG& start, LONG& end) const = 0;
    virtual void SetSel(LONG start, LONG end) = 0;
    virtual CString GetTextRange(LONG start, LONG end) const = 0;
    // Puts the text in place of the range; the caret goes after it. Styles of the new text
    // are plain until the range is styled.
    virtual void ReplaceRange(LONG start, LONG end, const CString& text) = 0;
    virtual LONG GetLineCount() const = 0;
    virtual LONG LineFromChar(LONG position) const = 0;
    // The position of the first character of the line.
    virtual LONG LineIndex(LONG line) const = 0;
    virtual LONG LineLength(LONG line) const = 0;
    virtual void SetStyle(LONG start, LONG length, int style) = 0;
    // Drawing held back while a range is restyled (nothing to hold without a display).
    virtual void FreezeDrawing(BOOL freeze) { (void)freeze; }

    CString GetText() const { return GetTextRange(0, GetLength()); }
    CString GetSelText() const {
        LONG start = 0, end = 0;
        GetSel(start, end);
        return GetTextRange(start, end);
    }
    // Replaces the selection, leaving the caret after the new text.
    void ReplaceSel(const CString& text) {
        LONG start = 0, end = 0;
        GetSel(start, end);
        ReplaceRange(start, end, text);
    }
};
