#pragma once
// An editor on the in-memory buffer whose edited object is a bare template parser: colour
// spans and commands come from the real parser, the text is kept in the target.

#include "editors/QZEditTarget.h"
#include "editors/QZEditViewLogic.h"
#include "editors/QZMemoryTextBuffer.h"

#include <string>
#include <vector>

class ParserTarget : public QZEditTarget {
public:
    CString GetText() override { return text; }
    void SetText(const CString& newText) override { text = newText; }
    QZVantrelMemoFld::ColorSpanList GetColorSpans(const CString& source) override {
        spansAsked++;
        return parser.BuildColorSpans(source);
    }
    std::pair<int, int> FindCommandRange(const CString&, int) override { return {0, 0}; }
    QZCommandBase* SetSourceText(const CString& source) override {
        parser.Parse(source);
        return parser.GetFirstStatement();
    }
    BOOL IsWritable() override { return writable; }

    QZVantrelMemoFld parser;
    CString text;
    BOOL writable = TRUE;
    int spansAsked = 0;
};

struct Editor {
    // The text loaded as an opened object's, with the selection given.
    explicit Editor(const std::string& text = "", LONG selStart = 0, LONG selEnd = -1);

    std::string Text() const { return buffer.GetText().str(); }
    // The caret, or "start-end" for a selection.
    std::string Selection() const;
    // The undo list as "text@start-end/kind" records.
    std::vector<std::string> Undo() { return Records(view.GetUndoList()); }
    std::vector<std::string> Redo() { return Records(view.GetRedoList()); }
    static std::vector<std::string> Records(const std::vector<QZUndoRedo>& records);

    ParserTarget target;
    QZMemoryTextBuffer buffer;
    QZEditViewLogic view{buffer, &target};
    QZRichEditLogic& control = view.GetControl();
};
