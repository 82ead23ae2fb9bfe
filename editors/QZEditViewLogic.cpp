#include "editors/QZEditViewLogic.h"

#include "editors/QZEditStyles.h"
#include "editors/QZEditTarget.h"
#include "editors/QZTextBuffer.h"
#include "template/commands/QZCommandBase.h"

namespace {

LONG LengthOf(const CString& text) {
    return text.GetLength();
}

// The characters (not bytes) of UTF-8 text: every byte but the continuation bytes.
LONG CountCharacters(const CString& text) {
    LONG count = 0;
    for (char c : text.str())
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            count++;
    return count;
}

} // namespace

int OpeningPartEnd(const CString& skeleton) {
    int close = skeleton.Find('>');
    if (close < 0)
        return skeleton.GetLength();
    int end = close + 1;
    if (end < skeleton.GetLength() && skeleton.GetAt(end) == '>')
        end++;
    return end;
}

QZEditViewLogic::QZEditViewLogic(QZTextBuffer& buffer, QZEditTarget* target)
    : m_buffer(buffer), m_pTarget(target), m_control(*this) {}

void QZEditViewLogic::OnInitialUpdate() {
    if (m_pTarget != nullptr && !m_pTarget->IsWritable())
        m_bReadOnly = TRUE;
    LoadFromObject();
    SetModified(FALSE);
}

void QZEditViewLogic::LoadFromObject() {
    CString text = m_pTarget != nullptr ? m_pTarget->GetText() : CString();
    m_buffer.FreezeDrawing(TRUE);
    m_buffer.ReplaceRange(0, m_buffer.GetLength(), text);
    if (m_pTarget != nullptr)
        ColorSpans(m_pTarget->GetColorSpans(text), 0);
    m_buffer.SetSel(0, 0);
    m_buffer.FreezeDrawing(FALSE);
}

void QZEditViewLogic::SaveToObject() {
    if (m_pTarget != nullptr)
        m_pTarget->SetText(m_buffer.GetText());
}

void QZEditViewLogic::ColorSpans(const QZVantrelMemoFld::ColorSpanList& spans, LONG start) {
    for (const QZStyleRun& run : StyleRunsOfSpans(spans, start))
        m_buffer.SetStyle(run.start, run.length, run.style);
}

void QZEditViewLogic::SetModified(BOOL modified) {
    m_bModified = modified;
    if (m_onModified)
        m_onModified(modified);
}

void QZEditViewLogic::RecordUndo(const QZUndoRedo& before, const QZUndoRedo& after) {
    m_undo.push_back(before);
    m_undo.push_back(after);
}

void QZEditViewLogic::ClearRedo() {
    m_redo.clear();
}

// ---- Inserting ----

void QZEditViewLogic::BuildInsertion(const CString& text, int mode, const CString& selected,
                                     LONG start, CString& result, LONG& caret) {
    if (mode == INSERT_APPEND) {
        result = selected + text;
        caret = start + LengthOf(text);
        return;
    }
    int close = text.Find('>');
    if (mode != INSERT_WRAP || close <= 0) {
        result = text;
        caret = start + LengthOf(result);
        return;
    }
    int opening = OpeningPartEnd(text);
    if (selected.IsEmpty()) {
        result = text;
        caret = start + opening;
        return;
    }
    // What lies between the opening part and the closing one (a line break) is dropped.
    int closing = text.Find('<', opening);
    result = text.Left(opening) + selected + text.Mid(closing >= 0 ? closing : opening);
    caret = start + LengthOf(result);
}

void QZEditViewLogic::InsertText(const CString& text, int mode, BOOL recordUndo) {
    if (m_bReadOnly)
        return;
    LONG start = 0, end = 0;
    m_buffer.GetSel(start, end);
    CString selected = m_buffer.GetTextRange(start, end);
    CString result;
    LONG caret = start;
    BuildInsertion(text, mode, selected, start, result, caret);
    m_buffer.FreezeDrawing(TRUE);
    m_buffer.ReplaceRange(start, end, result);
    LONG newEnd = start + LengthOf(result);
    if (recordUndo) {
        ClearRedo();
        RecordUndo(QZUndoRedo(selected, start, end, 0), QZUndoRedo(result, start, newEnd, 0));
    }
    // Every line of the result is coloured, whatever part of it the caret ends after.
    m_buffer.SetSel(newEnd, newEnd);
    m_control.RecolorInsertedText(result);
    m_buffer.SetSel(caret, caret);
    m_buffer.FreezeDrawing(FALSE);
    SetModified(TRUE);
}

void QZEditViewLogic::InsertCommandWithProperties(const CString& skeleton, BOOL keepSelection) {
    if (m_pTarget == nullptr || m_bReadOnly)
        return;
    int split = OpeningPartEnd(skeleton);
    CString opening = skeleton.Left(split);
    CString rest = skeleton.Mid(split);
    opening.Replace("?", "0");
    if (QZCommandBase* command = m_pTarget->SetSourceText(opening))
        opening = command->EditProperties();
    if (opening.IsEmpty())
        return;
    if (!keepSelection)
        opening += m_buffer.GetSelText();
    InsertText(opening + rest, INSERT_REPLACE, TRUE);
}

// ---- Undo and redo ----

void QZEditViewLogic::OnEditUndo() {
    if (m_bReadOnly || m_undo.empty())
        return;
    QZUndoRedo after = m_undo.back();
    m_undo.pop_back();
    m_redo.push_back(after);
    if (m_undo.empty())
        return;
    QZUndoRedo before = m_undo.back();
    m_undo.pop_back();
    m_redo.push_back(before);
    Replay(after, before);
}

void QZEditViewLogic::OnEditRedo() {
    if (m_bReadOnly || m_redo.empty())
        return;
    QZUndoRedo before = m_redo.back();
    m_redo.pop_back();
    m_undo.push_back(before);
    if (m_redo.empty())
        return;
    QZUndoRedo after = m_redo.back();
    m_redo.pop_back();
    m_undo.push_back(after);
    Replay(before, after);
}

void QZEditViewLogic::Replay(const QZUndoRedo& from, const QZUndoRedo& to) {
    m_buffer.SetSel(from.m_nStart, from.m_nEnd);
    if (to.m_nKind != 0) {
        // The two ranges lie apart: the one goes, the text comes back at its own place.
        InsertText(CString(), INSERT_REPLACE, FALSE);
        m_buffer.SetSel(to.m_nStart, to.m_nStart);
    }
    InsertText(to.m_strText, INSERT_REPLACE, FALSE);
    m_buffer.SetSel(to.m_nStart, to.m_nEnd);
}

// ---- Status ----

CString QZEditViewLogic::GetStatusText() const {
    LONG start = 0, end = 0;
    m_buffer.GetSel(start, end);
    LONG line = m_buffer.LineFromChar(end);
    LONG lineStart = m_buffer.LineIndex(line);
    LONG column = CountCharacters(m_buffer.GetTextRange(lineStart, end)) + 1;
    CString text;
    text.Format(" Ln %ld, Col %ld", line + 1, column);
    return text;
}
