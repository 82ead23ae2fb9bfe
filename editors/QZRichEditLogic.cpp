#include "editors/QZRichEditLogic.h"

#include "editors/QZEditTarget.h"
#include "editors/QZEditViewLogic.h"
#include "editors/QZTextBuffer.h"
#include "template/commands/QZCommandBase.h"

#include <algorithm>

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence a lead byte begins; 1 for any other byte.
int SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 1;
}

} // namespace

QZRichEditLogic::QZRichEditLogic(QZEditViewLogic& view) : m_view(view) {}

QZTextBuffer& QZRichEditLogic::Buffer() const {
    return m_view.GetBuffer();
}

// ---- Colouring ----

LONG QZRichEditLogic::GetLinesAroundCaret(CString& text, LONG& start, LONG& end, int lines) {
    QZTextBuffer& buffer = Buffer();
    LONG selStart = 0, selEnd = 0;
    buffer.GetSel(selStart, selEnd);
    LONG first = selStart == selEnd ? buffer.LineFromChar(selEnd) - lines + 1
                                    : buffer.LineFromChar(selStart);
    first = std::max<LONG>(first, 0);
    LONG last = std::min<LONG>(first + std::max(lines, 1) - 1, buffer.GetLineCount() - 1);
    start = buffer.LineIndex(first);
    end = buffer.LineIndex(last) + buffer.LineLength(last);
    text = buffer.GetTextRange(start, end);
    return text.GetLength();
}

void QZRichEditLogic::RecolorLines(int lines) {
    QZEditTarget* target = m_view.GetTarget();
    if (target == nullptr)
        return;
    QZTextBuffer& buffer = Buffer();
    buffer.FreezeDrawing(TRUE);
    CString text;
    LONG start = 0, end = 0;
    GetLinesAroundCaret(text, start, end, lines);
    m_view.ColorSpans(target->GetColorSpans(text), start);
    buffer.FreezeDrawing(FALSE);
}

int QZRichEditLogic::LinesOfInsertedText(const CString& text) {
    int lines = 1;
    CString rest = text;
    for (int feed = rest.Find('\n'); feed >= 0 && rest.GetLength() > 1; feed = rest.Find('\n')) {
        lines++;
        rest = rest.Mid(feed + 1);
    }
    return lines;
}

int QZRichEditLogic::RecolorInsertedText(const CString& text) {
    int lines = LinesOfInsertedText(text);
    RecolorLines(lines);
    return lines;
}

// ---- Keystrokes ----

void QZRichEditLogic::TypeText(const CString& text) {
    if (m_view.IsReadOnly() || text.IsEmpty())
        return;
    QZTextBuffer& buffer = Buffer();
    LONG start = 0, end = 0;
    buffer.GetSel(start, end);
    CString replaced = buffer.GetTextRange(start, end);
    m_view.ClearRedo();
    buffer.ReplaceRange(start, end, text);
    LONG newEnd = start + text.GetLength();
    m_view.RecordUndo(QZUndoRedo(replaced, start, end, 0), QZUndoRedo(text, start, newEnd, 1));
    RecolorInsertedText(text);
    buffer.SetSel(newEnd, newEnd);
    m_view.SetModified(TRUE);
}

void QZRichEditLogic::Backspace() {
    LONG start = 0, end = 0;
    Buffer().GetSel(start, end);
    RemoveRange(start == end ? CharStartBefore(start) : start, end);
}

void QZRichEditLogic::Delete() {
    LONG start = 0, end = 0;
    Buffer().GetSel(start, end);
    RemoveRange(start, start == end ? CharEndAfter(end) : end);
}

// One press of Backspace or Delete: the pair holds exactly the bytes it took out.
void QZRichEditLogic::RemoveRange(LONG start, LONG end) {
    if (m_view.IsReadOnly() || end <= start)
        return;
    QZTextBuffer& buffer = Buffer();
    CString removed = buffer.GetTextRange(start, end);
    m_view.ClearRedo();
    buffer.ReplaceRange(start, end, CString());
    m_view.RecordUndo(QZUndoRedo(removed, start, end, 0), QZUndoRedo(CString(), start, start, 1));
    RecolorLines(1);
    buffer.SetSel(start, start);
    m_view.SetModified(TRUE);
}

LONG QZRichEditLogic::CharStartBefore(LONG position) const {
    if (position <= 0)
        return position;
    LONG from = std::max<LONG>(position - 4, 0);
    const std::string bytes = Buffer().GetTextRange(from, position).str();
    const LONG size = static_cast<LONG>(bytes.size());
    if (size >= 2 && bytes[size - 2] == '\r' && bytes[size - 1] == '\n')
        return position - 2;
    LONG lead = size - 1;
    while (lead > 0 && IsContinuation(static_cast<unsigned char>(bytes[lead])))
        lead--;
    if (SequenceLength(static_cast<unsigned char>(bytes[lead])) == size - lead)
        return from + lead;
    return position - 1;
}

LONG QZRichEditLogic::CharEndAfter(LONG position) const {
    QZTextBuffer& buffer = Buffer();
    if (position >= buffer.GetLength())
        return position;
    const std::string bytes = buffer.GetTextRange(position, position + 4).str();
    if (bytes.size() >= 2 && bytes[0] == '\r' && bytes[1] == '\n')
        return position + 2;
    int length = SequenceLength(static_cast<unsigned char>(bytes[0]));
    if (length > static_cast<int>(bytes.size()))
        return position + 1;
    for (int i = 1; i < length; i++)
        if (!IsContinuation(static_cast<unsigned char>(bytes[i])))
            return position + 1;
    return position + length;
}

// ---- Commands under the caret ----

BOOL QZRichEditLogic::SelectCommandAtCaret(BOOL openProperties) {
    QZTextBuffer& buffer = Buffer();
    LONG selStart = 0, selEnd = 0;
    buffer.GetSel(selStart, selEnd);
    CString line;
    LONG lineStart = 0, lineEnd = 0;
    GetLinesAroundCaret(line, lineStart, lineEnd, 1);
    QZEditTarget* target = m_view.GetTarget();
    if (target == nullptr || line.IsEmpty())
        return FALSE;
    LONG position = selEnd - selStart > 3 ? selEnd - 3 : selEnd;
    std::pair<int, int> range = target->FindCommandRange(line, position - lineStart);
    if (range.first == range.second)
        return FALSE;
    buffer.SetSel(lineStart + range.first, lineStart + range.second + 1);
    if (openProperties)
        EditCommandProperties();
    return TRUE;
}

void QZRichEditLogic::EditCommandProperties() {
    QZEditTarget* target = m_view.GetTarget();
    if (target == nullptr || m_view.IsReadOnly())
        return;
    QZCommandBase* command = target->SetSourceText(Buffer().GetSelText());
    if (command == nullptr)
        return;
    CString text = command->EditProperties();
    if (!text.IsEmpty())
        m_view.InsertText(text, QZEditViewLogic::INSERT_REPLACE, TRUE);
}
