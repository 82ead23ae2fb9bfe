#include "editors/QZFindReplaceLogic.h"

#include "editors/QZEditViewLogic.h"
#include "editors/QZFindReplaceState.h"
#include "editors/QZSoundSink.h"
#include "editors/QZTextBuffer.h"
#include "editors/QZTextSearch.h"
#include "platform/core/MessageBox.h"

QZFindReplaceLogic::QZFindReplaceLogic(QZEditViewLogic& view) : m_view(view) {}

QZFindReplaceState& QZFindReplaceLogic::State() const {
    return QZFindReplaceState::Get();
}

CString QZFindReplaceLogic::GetProposedFindText() const {
    CString selected = m_view.GetBuffer().GetSelText();
    if (selected.IsEmpty() || selected.FindOneOf("\r\n") >= 0)
        return State().m_strFind;
    return selected;
}

BOOL QZFindReplaceLogic::CanFind() const {
    return m_view.GetBuffer().GetLength() > 0;
}

BOOL QZFindReplaceLogic::CanRepeat() const {
    return CanFind() && !State().m_strFind.IsEmpty();
}

BOOL QZFindReplaceLogic::CanReplace() const {
    return m_view.CanEdit();
}

void QZFindReplaceLogic::StoreOptions(const CString& find, BOOL matchCase, BOOL wholeWord) {
    QZFindReplaceState& state = State();
    state.m_strFind = find;
    state.m_bCase = matchCase;
    state.m_bWord = wholeWord;
}

// ---- Searching ----

void QZFindReplaceLogic::OnFindNext(const CString& find, BOOL next, BOOL matchCase,
                                    BOOL wholeWord) {
    StoreOptions(find, matchCase, wholeWord);
    State().m_bNext = next;
    FindOrSound();
}

void QZFindReplaceLogic::OnEditRepeat() {
    FindOrSound();
}

void QZFindReplaceLogic::FindOrSound() {
    if (!FindText()) {
        TextNotFound(State().m_strFind);
        return;
    }
    if (m_onFound)
        m_onFound();
}

BOOL QZFindReplaceLogic::FindText() {
    const QZFindReplaceState& state = State();
    return FindTextSimple(state.m_strFind, state.m_bCase, state.m_bWord);
}

BOOL QZFindReplaceLogic::FindTextSimple(const CString& find, BOOL matchCase, BOOL wholeWord) {
    if (find.IsEmpty())
        return FALSE;
    QZTextBuffer& buffer = m_view.GetBuffer();
    LONG start = 0, end = 0;
    buffer.GetSel(start, end);
    if (m_bFirstSearch) {
        m_lInitialSearchPos = start;
        m_bFirstSearch = FALSE;
    }
    // Past the selection's first character, so that a selected match is not found again.
    const LONG from = start != end ? CharacterEndAt(start) : end;
    const LONG length = buffer.GetLength();
    const LONG to = m_lInitialSearchPos >= 0 ? length : length + m_lInitialSearchPos;
    if (FindAndSelect(find, from, to, matchCase, wholeWord))
        return TRUE;
    if (m_lInitialSearchPos <= 0)
        return FALSE;
    // Once round to the start, up to where the searches began, and never again.
    const LONG wrapEnd = m_lInitialSearchPos;
    m_lInitialSearchPos -= length;
    return FindAndSelect(find, 0, wrapEnd, matchCase, wholeWord);
}

BOOL QZFindReplaceLogic::FindAndSelect(const CString& find, LONG from, LONG to, BOOL matchCase,
                                       BOOL wholeWord) {
    QZTextBuffer& buffer = m_view.GetBuffer();
    const LONG at = QZTextSearch::Find(buffer, find, from, to, matchCase, wholeWord);
    if (at < 0)
        return FALSE;
    buffer.SetSel(at, at + find.GetLength());
    return TRUE;
}

// The position after the whole UTF-8 character that starts at the position.
LONG QZFindReplaceLogic::CharacterEndAt(LONG position) const {
    const CString bytes = m_view.GetBuffer().GetTextRange(position, position + 4);
    int end = 1;
    while (end < bytes.GetLength() && (static_cast<unsigned char>(bytes.GetAt(end)) & 0xC0) == 0x80)
        end++;
    return position + end;
}

BOOL QZFindReplaceLogic::SameAsSelected(const CString& text, BOOL matchCase) const {
    return QZTextSearch::Same(m_view.GetBuffer().GetSelText(), text, matchCase);
}

void QZFindReplaceLogic::TextNotFound(const CString& find) {
    m_bFirstSearch = TRUE;
    OnTextNotFound(find);
}

void QZFindReplaceLogic::OnTextNotFound(const CString&) {
    PlayMessageSound(MB_ICONHAND);
}

// ---- Replacing ----

void QZFindReplaceLogic::OnReplaceSel(const CString& find, BOOL next, BOOL matchCase,
                                      BOOL wholeWord, const CString& replacement) {
    StoreOptions(find, matchCase, wholeWord);
    State().m_strReplace = replacement;
    State().m_bNext = next;
    // A read-only copy and a selection that is not the find text only move on to a match.
    if (m_view.CanEdit() && !find.IsEmpty() && SameAsSelected(find, matchCase))
        ReplaceSelection();
    FindOrSound();
}

void QZFindReplaceLogic::OnReplaceAll(const CString& find, const CString& replacement,
                                      BOOL matchCase, BOOL wholeWord) {
    StoreOptions(find, matchCase, wholeWord);
    State().m_strReplace = replacement;
    State().m_bNext = TRUE;
    if (!m_view.CanEdit())
        return;
    if (find.IsEmpty() || (!SameAsSelected(find, matchCase) && !FindText())) {
        TextNotFound(find);
        return;
    }
    do {
        ReplaceSelection();
    } while (FindText());
    TextNotFound(find);
}

// The selected match becomes the replacement, with its undo pair; the caret ends after it, so
// that the next search does not look inside it.
void QZFindReplaceLogic::ReplaceSelection() {
    // A first search that starts at a selected match starts at that match, not after its
    // replacement: the wrapped part then never reaches back into what was replaced.
    if (m_bFirstSearch) {
        LONG start = 0, end = 0;
        m_view.GetBuffer().GetSel(start, end);
        m_lInitialSearchPos = start;
        m_bFirstSearch = FALSE;
    }
    m_view.InsertText(State().m_strReplace, QZEditViewLogic::INSERT_REPLACE, TRUE);
}

// ---- The dialog ----

CRect QZFindReplaceLogic::AdjustDialogPosition(const CRect& dialog, const CPoint& selection,
                                               int screenHeight) {
    CRect moved = dialog;
    if (!moved.PtInRect(selection))
        return moved;
    if (selection.y > moved.Height())
        moved.OffsetRect(0, selection.y - moved.bottom - 20);
    else if (selection.y + moved.Height() < screenHeight)
        moved.OffsetRect(0, 40 + selection.y - moved.top);
    return moved;
}
