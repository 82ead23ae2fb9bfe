#include "editors/QZEditTransfer.h"

#include "editors/QZEditViewLogic.h"
#include "editors/QZTextBuffer.h"
#include "platform/ui/InsertTextData.h"

QZEditTransfer::QZEditTransfer(QZEditViewLogic& view) : m_view(view) {}

CString QZEditTransfer::WithEditorLineEnds(const CString& text) {
    const std::string& in = text.str();
    std::string out;
    out.reserve(in.size() + in.size() / 16);
    for (size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < in.size() && in[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return CString(out);
}

CString QZEditTransfer::FileCommand(const CString& path) {
    CString quoted = path;
    quoted.Replace("\"", "\\\"");
    return CString("<<file \"") + quoted + "\">>";
}

// ---- Clipboard ----

BOOL QZEditTransfer::CanCut() const {
    LONG start = 0, end = 0;
    m_view.GetBuffer().GetSel(start, end);
    return m_view.CanEdit() && end > start;
}

void QZEditTransfer::Cut() {
    if (!CanCut())
        return;
    m_view.InsertText(CString(), QZEditViewLogic::INSERT_REPLACE, TRUE);
}

void QZEditTransfer::Paste(const CString& text) {
    if (!m_view.CanEdit() || text.IsEmpty())
        return;
    m_view.InsertText(WithEditorLineEnds(text), QZEditViewLogic::INSERT_REPLACE, TRUE);
}

// ---- Drag and drop ----

void QZEditTransfer::BeginDrag(LONG start, LONG end) {
    m_bDragging = TRUE;
    m_bDroppedInside = FALSE;
    m_lDragStart = start;
    m_lDragEnd = end;
}

void QZEditTransfer::EndDrag(DWORD effect) {
    const BOOL movedOut = m_bDragging && !m_bDroppedInside && effect == DROPEFFECT_MOVE;
    m_bDragging = FALSE;
    m_bDroppedInside = FALSE;
    if (!movedOut || !m_view.CanEdit())
        return;
    m_view.GetBuffer().SetSel(m_lDragStart, m_lDragEnd);
    m_view.InsertText(CString(), QZEditViewLogic::INSERT_REPLACE, TRUE);
}

DWORD QZEditTransfer::DropText(const CString& text, LONG position, DWORD effect) {
    if (!m_view.CanEdit())
        return DROPEFFECT_NONE;
    QZTextBuffer& buffer = m_view.GetBuffer();
    if (m_bDragging) {
        m_bDroppedInside = TRUE;
        // Dropped back onto the dragged text: nothing moves.
        if (position > m_lDragStart && position < m_lDragEnd)
            return DROPEFFECT_NONE;
        if (effect == DROPEFFECT_MOVE)
            return MoveWithin(position);
        // A copy within the editor takes the source's bytes as they are.
        buffer.SetSel(position, position);
        m_view.InsertText(buffer.GetTextRange(m_lDragStart, m_lDragEnd),
                          QZEditViewLogic::INSERT_REPLACE, TRUE);
        return DROPEFFECT_COPY;
    }
    if (text.IsEmpty())
        return DROPEFFECT_NONE;
    buffer.SetSel(position, position);
    m_view.InsertText(WithEditorLineEnds(text), QZEditViewLogic::INSERT_REPLACE, TRUE);
    return effect == DROPEFFECT_MOVE ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

// The text goes in at the drop point first, then its source comes out; when the source lay
// before the drop point the text ends up that much earlier. One pair of kind 1 records both.
DWORD QZEditTransfer::MoveWithin(LONG position) {
    QZTextBuffer& buffer = m_view.GetBuffer();
    const CString text = buffer.GetTextRange(m_lDragStart, m_lDragEnd);
    const LONG length = text.GetLength();
    if (position == m_lDragStart || position == m_lDragEnd || length == 0)
        return DROPEFFECT_NONE;
    m_view.ClearRedo();
    const QZUndoRedo before(text, m_lDragStart, m_lDragEnd, 1);
    buffer.SetSel(position, position);
    m_view.InsertText(text, QZEditViewLogic::INSERT_REPLACE, FALSE);
    const BOOL sourceBefore = m_lDragStart < position;
    const LONG sourceStart = sourceBefore ? m_lDragStart : m_lDragStart + length;
    buffer.SetSel(sourceStart, sourceStart + length);
    m_view.InsertText(CString(), QZEditViewLogic::INSERT_REPLACE, FALSE);
    const LONG finalStart = sourceBefore ? position - length : position;
    m_view.RecordUndo(before, QZUndoRedo(text, finalStart, finalStart + length, 1));
    buffer.SetSel(finalStart + length, finalStart + length);
    return DROPEFFECT_MOVE;
}

void QZEditTransfer::DropFiles(const std::vector<CString>& paths) {
    if (!m_view.CanEdit())
        return;
    for (const CString& path : paths)
        m_view.InsertText(FileCommand(path), QZEditViewLogic::INSERT_REPLACE, TRUE);
}
