#pragma once
// The logic of the text editor's control: colouring the lines an edit touched, recording the
// undo pairs of keystrokes (typing, Enter, Tab, Backspace and Delete, each press its own pair
// with exactly the bytes it removed), selecting the command at the caret and opening its
// property dialog. The control in a window hands its keys to it; tests drive it directly.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZEditViewLogic;
class QZTextBuffer;

class QZRichEditLogic {
public:
    explicit QZRichEditLogic(QZEditViewLogic& view);
    QZRichEditLogic(const QZRichEditLogic&) = delete;
    QZRichEditLogic& operator=(const QZRichEditLogic&) = delete;

    // The text and range of `lines` whole lines ending at the caret's line (starting at the
    // selection's line when there is a selection), never before line 0 nor past the last
    // line; the number of characters read.
    LONG GetLinesAroundCaret(CString& text, LONG& start, LONG& end, int lines);
    // Colours the lines around the caret again from their own text alone.
    void RecolorLines(int lines);
    // Colours the lines that text just inserted before the caret spans; the count used.
    int RecolorInsertedText(const CString& text);
    // How many lines RecolorInsertedText colours for the text.
    static int LinesOfInsertedText(const CString& text);

    // A typed character (the bytes of one character) in place of the selection.
    void TypeText(const CString& text);
    // Enter puts a "\r\n" in, whatever line ends the text has; Tab a tab.
    void Enter() { TypeText("\r\n"); }
    void Tab() { TypeText("\t"); }
    // Removes the selection, or else the character before (Backspace) or after (Delete) the
    // caret: a whole character of several bytes, and a "\r\n" as one.
    void Backspace();
    void Delete();

    // Selects the command around the caret, or the text between two commands of its line;
    // with openProperties then edits its properties. 1 when something was selected.
    BOOL SelectCommandAtCaret(BOOL openProperties);
    // Parses the selected text into a command and, when its property dialog gives back a
    // text, puts that in place of the selection (recorded for undo).
    void EditCommandProperties();

private:
    void RemoveRange(LONG start, LONG end);
    LONG CharStartBefore(LONG position) const;
    LONG CharEndAfter(LONG position) const;
    QZTextBuffer& Buffer() const;

    QZEditViewLogic& m_view;
};
