#include "editors/QZSpellCheck.h"

#include "editors/QZEditViewLogic.h"
#include "editors/QZTextBuffer.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

QZSpellCheck::QZSpellCheck(QZEditViewLogic& view, WordCollector collector)
    : m_view(view), m_collector(std::move(collector)) {}

BOOL QZSpellCheck::SpellCheckWord(const CString& word, int mode, CWnd* owner, SpellResult& result) {
    return GetSpellEngine().CheckWord(word, mode, owner, result);
}

void QZSpellCheck::CheckSpelling() {
    if (!m_collector)
        return;
    if (m_view.IsReadOnly()) {
        AfxMessageBox("This record is a Read Only copy", MB_OK);
        return;
    }
    QZTextBuffer& buffer = m_view.GetBuffer();
    LONG selStart = 0, selEnd = 0;
    buffer.GetSel(selStart, selEnd);
    const BOOL whole = selStart == selEnd;
    const LONG base = whole ? 0 : selStart;
    const CString text = whole ? buffer.GetText() : buffer.GetTextRange(selStart, selEnd);

    m_replacements.clear();
    if (CheckWords(m_collector(text), base))
        AfxMessageBox("Spell checking Complete", MB_OK);
    GetSpellEngine().EndRun();
    buffer.SetSel(Shifted(selStart), Shifted(selEnd));
}

BOOL QZSpellCheck::CheckWords(const std::vector<QZUndoRedo>& words, LONG base) {
    QZTextBuffer& buffer = m_view.GetBuffer();
    LONG offset = base;
    for (const QZUndoRedo& word : words) {
        if (word.m_strText.IsEmpty())
            continue;
        SpellResult result;
        if (SpellCheckWord(word.m_strText, SPELL_MODE_CHECK, nullptr, result))
            continue;
        const LONG start = word.m_nStart + offset;
        const LONG end = word.m_nEnd + offset + 1;
        buffer.SetSel(start, end);
        SpellCheckWord(word.m_strText, SPELL_MODE_ASK, nullptr, result);
        if (result.IsStop())
            return FALSE;
        if (result.replacement.IsEmpty())
            continue;
        m_view.InsertText(result.replacement, QZEditViewLogic::INSERT_REPLACE, TRUE);
        const LONG newEnd = start + result.replacement.GetLength();
        m_replacements.push_back({start, end, newEnd});
        offset += newEnd - end;
    }
    return TRUE;
}

// A position after a replaced word moves by the difference of the lengths; one inside it stays
// inside the replacement.
LONG QZSpellCheck::Shifted(LONG position) const {
    for (const Replacement& r : m_replacements) {
        if (position >= r.end)
            position += r.newEnd - r.end;
        else if (position > r.start)
            position = std::min(position, r.newEnd);
    }
    return position;
}
